// The result page parser over any page, as draw 1521 (the seed pages' draw).
#include "FuzzSupport.h"
#include "site/clsHtmlResult.h"

using namespace kujimate;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz::WriteInput(data, size, "result.html");
    clsHtmlResult parser;
    if (parser.GetResultFile(path, 8, 1521, "")) IsResultComplete(parser.GetRecord());
    return 0;
}
