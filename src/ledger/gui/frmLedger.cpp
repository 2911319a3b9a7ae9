#include "ledger/gui/frmLedger.h"

#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPushButton>
#include <QShowEvent>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "support/Report.h"
#include "support/clsFileStream.h"

namespace kujimate {

namespace {
const QColor TotalBack(255, 255, 224);

QString Q(const std::string& s) { return QString::fromStdString(s); }

// Axis ends and a step of 1, 2 or 5 × 10^k that hold every value, with zero on a tick.
struct AxisSteps {
    double from, to;
    int ticks;
};
AxisSteps NiceRange(double lo, double hi) {
    lo = std::min(lo, 0.0);
    hi = std::max(hi, 0.0);
    if (hi - lo < 1) hi = lo + 1000;
    const double rough = (hi - lo) / 5;
    const double mag = std::pow(10.0, std::floor(std::log10(rough)));
    double step = mag * 10;
    for (double f : {1.0, 2.0, 5.0})
        if (mag * f >= rough) {
            step = mag * f;
            break;
        }
    const double from = std::floor(lo / step) * step, to = std::ceil(hi / step) * step;
    return {from, to, static_cast<int>(std::lround((to - from) / step)) + 1};
}
}  // namespace

frmLedger::frmLedger(QWidget* parent, const QString& folder, bool blnDQuestion, SaveDialog saveDialog)
    : QDialog(parent), folder_(folder), dQuestion_(blnDQuestion), saveDialog_(std::move(saveDialog)) {
    setObjectName(QStringLiteral("frmLedger"));
    setWindowTitle(QStringLiteral("収支履歴"));
    resize(1000, 720);

    auto* lblPrice = new QLabel(QStringLiteral("シングル１口の金額"), this);
    txtPrice_ = new QSpinBox(this);
    txtPrice_->setObjectName(QStringLiteral("txtPrice"));
    txtPrice_->setAccessibleName(QStringLiteral("シングル１口の金額"));
    txtPrice_->setRange(1, static_cast<int>(clsTLedger::MaxPrice));
    txtPrice_->setSuffix(QStringLiteral(" 円"));
    txtPrice_->setValue(static_cast<int>(clsTLedger::LoadPrice()));
    txtPrice_->setKeyboardTracking(false);
    lblPrice->setBuddy(txtPrice_);
    cmdDownload_ = new QPushButton(QStringLiteral("結果をダウンロード"), this);
    cmdDownload_->setObjectName(QStringLiteral("cmdDownload"));
    cmdCsvSave_ = new QPushButton(QStringLiteral("CSVで保存..."), this);
    cmdCsvSave_->setObjectName(QStringLiteral("cmdCsvSave"));
    cmdClose_ = new QPushButton(QStringLiteral("閉じる"), this);
    cmdClose_->setObjectName(QStringLiteral("cmdClose"));
    lblFolder_ = new QLabel(QDir::toNativeSeparators(folder_), this);
    lblFolder_->setObjectName(QStringLiteral("lblFolder"));
    lblFolder_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    grdLedger_ = new QTableWidget(0, clsTLedger::Columns, this);
    grdLedger_->setObjectName(QStringLiteral("grdLedger"));
    grdLedger_->setAccessibleName(QStringLiteral("収支履歴"));
    QStringList headers;
    for (int c = 0; c < clsTLedger::Columns; ++c) headers << Q(clsTLedger::Header(c));
    grdLedger_->setHorizontalHeaderLabels(headers);
    grdLedger_->verticalHeader()->setVisible(false);
    grdLedger_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdLedger_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdLedger_->setAlternatingRowColors(true);
    grdLedger_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grdLedger_->verticalHeader()->setDefaultSectionSize(22);

    chart_ = new QChartView(this);
    chart_->setObjectName(QStringLiteral("chtLedger"));
    chart_->setAccessibleName(QStringLiteral("収支グラフ"));
    chart_->setRenderHint(QPainter::Antialiasing);
    chart_->setMinimumHeight(280);

    auto* top = new QHBoxLayout;
    top->addWidget(lblPrice);
    top->addWidget(txtPrice_);
    top->addSpacing(16);
    top->addWidget(cmdDownload_);
    top->addWidget(cmdCsvSave_);
    top->addStretch(1);
    top->addWidget(cmdClose_);
    auto* all = new QVBoxLayout(this);
    all->addLayout(top);
    all->addWidget(lblFolder_);
    all->addWidget(grdLedger_, 1);
    all->addWidget(chart_, 1);

    connect(txtPrice_, &QSpinBox::valueChanged, this, &frmLedger::PriceChanged);
    connect(cmdDownload_, &QPushButton::clicked, this, &frmLedger::DownloadResults);
    connect(cmdCsvSave_, &QPushButton::clicked, this, &frmLedger::SaveCsv);
    connect(cmdClose_, &QPushButton::clicked, this, &QDialog::accept);
    SetButtons();
}

frmLedger::~frmLedger() = default;

void frmLedger::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    // Read once the window is up, so the progress dialog has it to stand over.
    if (!shownOnce_) {
        shownOnce_ = true;
        QTimer::singleShot(0, this, &frmLedger::Refresh);
    }
}

void frmLedger::Refresh() {
    if (working_) return;
    working_ = true;
    SetButtons();
    ledger_.Build(folder_.toStdString(), txtPrice_->value());
    working_ = false;
    FillTable();
    FillChart();
    SetButtons();
}

void frmLedger::SetButtons() {
    txtPrice_->setEnabled(!working_);
    cmdDownload_->setEnabled(!working_ && !ledger_.MissingResults().empty());
    cmdCsvSave_->setEnabled(!working_);
    cmdClose_->setEnabled(!working_);
}

void frmLedger::PriceChanged(int value) {
    clsTLedger::SavePrice(value);
    ledger_.SetPrice(value);
    FillTable();
    FillChart();
}

void frmLedger::FillTable() {
    const auto& rows = ledger_.Rows();
    grdLedger_->setUpdatesEnabled(false);
    grdLedger_->setRowCount(static_cast<int>(rows.size()) + 1);
    // Items are kept and their texts changed, so what assistive technology holds stays valid.
    auto put = [&](int r, const LedgerRow& row, bool total) {
        for (int c = 0; c < clsTLedger::Columns; ++c) {
            QTableWidgetItem* item = grdLedger_->item(r, c);
            if (!item) {
                item = new QTableWidgetItem;
                item->setTextAlignment((c >= 2 && c <= 10 ? Qt::AlignRight : Qt::AlignHCenter) | Qt::AlignVCenter);
                grdLedger_->setItem(r, c, item);
            }
            item->setText(Q(clsTLedger::CellText(row, c, total)));
            item->setToolTip(row.State == LedgerState::LoadError && !total ? Q(row.FileName) : QString());
            QFont f = item->font();
            f.setBold(total);
            item->setFont(f);
            item->setData(Qt::BackgroundRole, total ? QVariant(QBrush(TotalBack)) : QVariant());
        }
    };
    for (size_t i = 0; i < rows.size(); ++i) put(static_cast<int>(i), rows[i], false);
    put(static_cast<int>(rows.size()), ledger_.Total(), true);
    grdLedger_->setUpdatesEnabled(true);
}

void frmLedger::FillChart() {
    // Cost solid and dark, winnings hatched, the running balance a black line with marks:
    // three looks that stay apart in black and white.
    auto* cost = new QBarSet(QStringLiteral("購入金額"));
    cost->setBrush(QBrush(QColor(40, 70, 140)));
    cost->setPen(QPen(Qt::black, 1));
    auto* won = new QBarSet(QStringLiteral("当せん金"));
    won->setBrush(QBrush(QColor(200, 110, 0), Qt::BDiagPattern));
    won->setPen(QPen(Qt::black, 1));
    auto* bars = new QBarSeries;
    bars->append(cost);
    bars->append(won);
    auto* net = new QLineSeries;
    net->setName(QStringLiteral("収支（累計）"));
    QPen linePen(Qt::black, 2, Qt::DashLine);
    net->setPen(linePen);
    net->setPointsVisible(true);
    net->setMarkerSize(7);

    QStringList draws;
    double running = 0, lo = 0, hi = 0;
    int x = 0;
    for (const LedgerRow& r : ledger_.Rows()) {
        if (r.State == LedgerState::LoadError) continue;
        const double c = r.Cost.ToDouble(), w = r.Judged() ? r.Winnings.ToDouble() : 0.0;
        running += w - c;
        cost->append(c);
        won->append(w);
        net->append(x++, running);
        draws << QString::number(r.DrawNo);
        lo = std::min({lo, running});
        hi = std::max({hi, c, w, running});
    }

    auto* chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->addSeries(bars);
    chart->addSeries(net);
    auto* axisX = new QBarCategoryAxis;
    axisX->append(draws.isEmpty() ? QStringList{QString()} : draws);
    axisX->setTitleText(QStringLiteral("開催回"));
    auto* axisY = new QValueAxis;
    const AxisSteps steps = NiceRange(lo, hi);
    axisY->setRange(steps.from, steps.to);
    axisY->setTickCount(steps.ticks);
    axisY->setLabelFormat(QStringLiteral("%.0f"));
    axisY->setTitleText(QStringLiteral("円"));
    chart->addAxis(axisX, Qt::AlignBottom);
    chart->addAxis(axisY, Qt::AlignLeft);
    for (QAbstractSeries* s : {static_cast<QAbstractSeries*>(bars), static_cast<QAbstractSeries*>(net)}) {
        s->attachAxis(axisX);
        s->attachAxis(axisY);
    }
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));
    QChart* old = chart_->chart();
    chart_->setChart(chart);
    delete old;
}

void frmLedger::DownloadResults() {
    if (working_) return;
    working_ = true;
    SetButtons();
    ledger_.DownloadResults(dQuestion_, static_cast<QWidget*>(this));
    working_ = false;
    Refresh();
}

void frmLedger::SaveCsv() {
    const QString proposed = QStringLiteral("収支履歴.csv");
    const QString path = saveDialog_ ? saveDialog_(this, folder_, proposed)
                                     : QFileDialog::getSaveFileName(this, QString(), QDir(folder_).filePath(proposed),
                                                                    QStringLiteral("CSVファイル(*.csv)"));
    if (path.isEmpty()) return;
    QString target = path;
    if (!target.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive)) target += QStringLiteral(".csv");
    clsFileStream().SaveToBinaryFile(target.toStdString(), ledger_.CsvText());
}

}  // namespace kujimate
