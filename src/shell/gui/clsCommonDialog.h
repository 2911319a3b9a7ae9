#pragma once
// The file open and save dialogs. Tests script the answers instead of showing dialogs.
#include <QString>
#include <QWidget>
#include <functional>

namespace kujimate {

class clsCommonDialog {
public:
    struct Request {
        bool save;
        QString filter, dir, defaultName, title;
    };
    // When set, answers every dialog instead of showing it (empty text: cancelled).
    static void SetScript(std::function<QString(const Request&)> script);

    QString OpenFile(QWidget* hwndOwner, const QString& strFilter, const QString& strDir, const QString& defaultName,
                     const QString& strTitle, bool blnMulti = false, int lngFilterIndex = 1);
    QString SaveFile(QWidget* hwndOwner, const QString& strFilter, const QString& strDir, const QString& defaultName,
                     const QString& strTitle);
};

// "CSVファイル(*.csv)".
QString CsvFilter();

}  // namespace kujimate
