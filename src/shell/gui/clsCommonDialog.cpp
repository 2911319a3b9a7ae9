#include "shell/gui/clsCommonDialog.h"

#include <QDir>
#include <QFileDialog>

namespace kujimate {

namespace {
std::function<QString(const clsCommonDialog::Request&)> g_script;

QString StartPath(const QString& dir, const QString& name) {
    if (name.isEmpty()) return dir;
    if (QDir::isAbsolutePath(name)) return name;
    return QDir(dir).filePath(name);
}
}  // namespace

void clsCommonDialog::SetScript(std::function<QString(const Request&)> script) { g_script = std::move(script); }

QString CsvFilter() { return QStringLiteral("CSVファイル(*.csv)"); }

QString clsCommonDialog::OpenFile(QWidget* owner, const QString& filter, const QString& dir, const QString& name,
                                  const QString& title, bool, int) {
    if (g_script) return g_script({false, filter, dir, name, title});
    QFileDialog d(owner, title, StartPath(dir, name), filter);
    d.setAcceptMode(QFileDialog::AcceptOpen);
    d.setFileMode(QFileDialog::ExistingFile);
    d.setOption(QFileDialog::ReadOnly, false);
    d.setOption(QFileDialog::DontUseNativeDialog, true);
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return {};
    return d.selectedFiles().first();
}

QString clsCommonDialog::SaveFile(QWidget* owner, const QString& filter, const QString& dir, const QString& name,
                                  const QString& title) {
    if (g_script) return g_script({true, filter, dir, name, title});
    QFileDialog d(owner, title, StartPath(dir, name), filter);
    d.setAcceptMode(QFileDialog::AcceptSave);
    d.setFileMode(QFileDialog::AnyFile);
    d.setOption(QFileDialog::DontUseNativeDialog, true);
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return {};
    return d.selectedFiles().first();
}

}  // namespace kujimate
