// The vote file reader over any bytes; what it reads is written back and read again.
#include <cstdlib>

#include "FuzzSupport.h"
#include "drawdata/clsXmlVote.h"

using namespace kujimate;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz::WriteInput(data, size, "vote.xml");
    clsXmlVote xml;
    if (!xml.XmlLoad(path)) return 0;
    IsVoteComplete(xml.GetRecord());
    // A record that was read must survive its own file form.
    const std::string again = fuzz::WriteInput(nullptr, 0, "again.xml");
    if (!xml.XmlSave(again)) std::abort();
    clsXmlVote back;
    if (!back.XmlLoad(again)) std::abort();
    return 0;
}
