#pragma once
// Display scaling, twips and the version text.
#include <functional>
#include <string>

namespace kujimate {

// Where the display's logical pixels per inch come from (the window sets it; 96 until then).
// Qt widget coordinates already are 96-dpi pixels, so the window reports 96.
void SetLogicalDpiSource(std::function<double(bool horizontal)> source);
float GetDpiRateX();
float GetDpiRateY();
float DpiPixelX(int n);
float DpiPixelY(int n);
float PixelToTwipsX(int n);
float PixelToTwipsY(int n);
float TwipsToPixelX(int n);
float TwipsToPixelY(int n);

// "1.05", "1.05.12": major, two-digit minor, revision only when above 0.
std::string GetVersionString();
std::string FormatVersion(int major, int minor, int revision);
// The one-line legal notice of the version information.
std::string GetLegalNotice();
inline constexpr const char* MakerName = "Kasumiworks";

}  // namespace kujimate
