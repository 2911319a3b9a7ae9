#include "drawdata/PageParsers.h"

namespace kujimate {

namespace {
PageParserFactory& Factory() {
    static PageParserFactory factory;
    return factory;
}
}  // namespace

void SetPageParserFactory(PageParserFactory factory) { Factory() = std::move(factory); }
const PageParserFactory& GetPageParserFactory() { return Factory(); }

}  // namespace kujimate
