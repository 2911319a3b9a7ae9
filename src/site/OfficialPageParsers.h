#pragma once
// Hands the draw sources the parsers of the operator's pages.

namespace kujimate {

void InstallOfficialPageParsers();

}  // namespace kujimate
