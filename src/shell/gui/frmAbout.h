#pragma once
// The version box.
#include <QDialog>

namespace kujimate {

// Addresses of the maker, placeholders under the reserved .invalid domain.
inline constexpr const char* MakerWebUrl = "https://www.kasumiworks.invalid/";
inline constexpr const char* MakerMailUrl = "mailto:support@kasumiworks.invalid";
inline constexpr const char* ManualUrl = "https://www.kasumiworks.invalid/manual/kujimate.html";

class frmAbout : public QDialog {
    Q_OBJECT
public:
    frmAbout(QWidget* owner, const QString& versionText);
};

}  // namespace kujimate
