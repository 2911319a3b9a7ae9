#include "support/basStandard.h"

#include "VersionInfo.h"
#include "support/NumberText.h"

namespace kujimate {
namespace {
std::function<double(bool)> g_dpiSource;
float g_rateX = 0.0f;
float g_rateY = 0.0f;

float Dpi(bool horizontal) { return g_dpiSource ? static_cast<float>(g_dpiSource(horizontal)) : 96.0f; }
// 1440 twips to the inch.
float TwipsPerPixel(bool horizontal) { return 1440.0f / Dpi(horizontal); }
}  // namespace

void SetLogicalDpiSource(std::function<double(bool)> source) {
    g_dpiSource = std::move(source);
    g_rateX = g_rateY = 0.0f;
}

float GetDpiRateX() {
    if (g_rateX == 0.0f) g_rateX = Dpi(true) / 96.0f;
    return g_rateX;
}
float GetDpiRateY() {
    if (g_rateY == 0.0f) g_rateY = Dpi(false) / 96.0f;
    return g_rateY;
}
float DpiPixelX(int n) { return static_cast<float>(n) * GetDpiRateX(); }
float DpiPixelY(int n) { return static_cast<float>(n) * GetDpiRateY(); }
float PixelToTwipsX(int n) { return static_cast<float>(n) * TwipsPerPixel(true); }
float PixelToTwipsY(int n) { return static_cast<float>(n) * TwipsPerPixel(false); }
float TwipsToPixelX(int n) { return static_cast<float>(n) / TwipsPerPixel(true); }
float TwipsToPixelY(int n) { return static_cast<float>(n) / TwipsPerPixel(false); }

std::string FormatVersion(int major, int minor, int revision) {
    std::string s = std::to_string(major) + "." + FormatNumber(static_cast<int64_t>(minor), "00");
    if (revision > 0) s += "." + std::to_string(revision);
    return s;
}

std::string GetVersionString() { return FormatVersion(version::Major, version::Minor, version::Revision); }

std::string GetLegalNotice() { return "Copyright (C) 2026 Kasumiworks. All rights reserved."; }

}  // namespace kujimate
