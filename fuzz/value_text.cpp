// The value and date converters over every line of any text: the program's number rules,
// the page value readers and the file date forms.
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "drawdata/XmlTagWalker.h"
#include "site/clsHtmlToto.h"
#include "support/Currency.h"
#include "support/NumberText.h"

using namespace kujimate;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::ProgramFolder();
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> lines;
    for (size_t start = 0;;) {
        const size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    clsHtmlToto toto;
    for (std::string& v : lines) {
        IsNumber(v);
        TextToInt32(v);
        TextToInt64(v);
        TextToBoolean(v);
        if (auto d = TextToDouble(v)) {
            FormatNumber(*d, "#,##0");
            FormatNumber(*d, "0.00");
            DoubleToInt32(*d);
            Currency::FromDouble(*d);
        }
        if (auto c = Currency::FromText(v)) FormatNumber(*c, "#,##0");
        long kaisai = 0;
        try {
            toto.Kaisaikai(v, kaisai);
            toto.GetKaisaikai(v, kaisai, "BIG1000");
        } catch (const HtmlParseError&) {
        }
        Currency a, b;
        toto.GetValue2(v, a, b);
        toto.StringToCurrency(v);
        toto.StringToDate(v);
        toto.StringToDateEx2(v);
        Date d1, d2, d3;
        toto.DateString2(v, d1, d2);
        toto.GetStringToDate2(v, d1, d2);
        bool final = false;
        toto.GetStringToDateNow(v, d3, final);
        clsHtmlToto::ReadDate(v, d3);
        d3.Format("yyyy/mm/dd hh:nn:ss");
        XmlValueError e;
        XmlToDate(v, d1, e);
        std::string copy = v;
        toto.StringToDateEx(copy);
    }
    long pos = 0;
    while (pos < static_cast<long>(lines.size())) {
        const long before = pos;
        toto.GetGameType(lines, pos);
        pos = pos > before ? pos : before + 1;
    }
    return 0;
}
