#pragma once
// The window "収支履歴": the season ledger as a table, a chart of cost, winnings and the
// running balance under it, the price of one single, the results download and the CSV save.
#include <QDialog>
#include <QString>
#include <functional>

#include "ledger/clsTLedger.h"

class QChart;
class QChartView;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace kujimate {

class frmLedger : public QDialog {
    Q_OBJECT
public:
    // The save dialog: the chosen path for the proposed name in folder, empty when cancelled.
    using SaveDialog = std::function<QString(QWidget* owner, const QString& folder, const QString& name)>;

    // folder: the singles files; blnDQuestion: ask before downloading (the program's setting).
    frmLedger(QWidget* parent, const QString& folder, bool blnDQuestion, SaveDialog saveDialog = {});
    ~frmLedger() override;

    // Reads the folder again: table and chart.
    void Refresh();
    void DownloadResults();
    void SaveCsv();

    const clsTLedger& Ledger() const { return ledger_; }
    QTableWidget* Table() const { return grdLedger_; }
    QChartView* Chart() const { return chart_; }
    QSpinBox* Price() const { return txtPrice_; }
    QPushButton* DownloadButton() const { return cmdDownload_; }
    QPushButton* CsvButton() const { return cmdCsvSave_; }

protected:
    void showEvent(QShowEvent* e) override;

private:
    void PriceChanged(int value);
    void FillTable();
    void FillChart();
    void SetButtons();

    clsTLedger ledger_;
    QString folder_;
    bool dQuestion_;
    SaveDialog saveDialog_;
    bool shownOnce_ = false;
    bool working_ = false;

    QSpinBox* txtPrice_ = nullptr;
    QPushButton* cmdDownload_ = nullptr;
    QPushButton* cmdCsvSave_ = nullptr;
    QPushButton* cmdClose_ = nullptr;
    QLabel* lblFolder_ = nullptr;
    QTableWidget* grdLedger_ = nullptr;
    QChartView* chart_ = nullptr;
};

}  // namespace kujimate
