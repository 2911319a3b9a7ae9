#include "refdata/UserTeamName.h"

#include "refdata/clsTotoData.h"
#include "support/Report.h"
#include "support/Text.h"
#include "support/clsFileStream.h"

namespace kujimate::UserTeamName {

namespace {
constexpr const char* InputError = "入力エラー";
constexpr int ShortMax = 6;
}  // namespace

std::string OfferedShortName() { return Narrow(LastMissingTeamName); }
std::string OfferedLongName() { return LastMissingTeamName; }

bool Add(const std::string& txtRyakusho, const std::string& txtMeisho) {
    clsFileStream stream;
    stream.ErrMessage(false);
    std::string text;
    if (!stream.LoadFromFile(FileName, text)) {
        // The header file exists from now on, even when the entry is refused below.
        text = std::string(Header) + "\r\n";
        stream.SaveToFile(FileName, text);
    }
    const std::string shortName = Trim(txtRyakusho);
    const std::string longName = Trim(txtMeisho);
    auto refuse = [](const std::string& message) {
        Report().Message(message, MsgIcon::Warning, InputError);
        return false;
    };
    if (shortName.empty()) return refuse("略称を入力して下さい。");
    if (longName.empty()) return refuse("名称を入力して下さい。");
    if (CharLength(txtRyakusho) > static_cast<size_t>(ShortMax)) return refuse("略称は6文字以内で入力して下さい。");
    if (clsTotoData().ExistsLongTeamName(longName)) return refuse("名称(" + longName + ")は既に登録されています。");

    // A last line without its line end would otherwise swallow the new entry.
    if (!text.empty() && !EndsWith(text, "\r\n")) text += "\r\n";
    text += Left(shortName + "      ", ShortMax) + " = " + longName + "\r\n";
    // A failed write has been reported; claiming the name was added would be false.
    if (!stream.SaveToFile(FileName, text)) return false;
    LastMissingTeamName.clear();
    Report().Message("チーム名(" + txtMeisho + ")を追加しました。", MsgIcon::Information, "チーム名追加");
    return true;
}

}  // namespace kujimate::UserTeamName
