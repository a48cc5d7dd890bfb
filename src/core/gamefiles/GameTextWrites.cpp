#include "gamefiles/GameTextWrites.h"

#include "gamefiles/TextRewrite.h"

namespace plorik {

namespace {

// Copies old lines until the next one is line `line` (1-based). A line already passed copies none.
void copyUpTo(TextRewrite& rewrite, std::int64_t line, std::int64_t& read)
{
    while (read < line - 1) {
        rewrite.copyLine();
        ++read;
    }
}

bool isComment(const std::string& line)
{
    return !line.empty() && line.front() == '/';
}

// Lines 2 to 5 of a record that replaces an old one, each after its old line is read.
void putLastFour(TextRewrite& rewrite, const RecordLines& record, bool hasOld)
{
    for (std::size_t i = 1; i < record.size(); ++i) {
        if (hasOld && record[i].keep && !rewrite.atEnd()) {
            rewrite.copyLine();
            continue;
        }
        rewrite.put(record[i].text);
        rewrite.dropLine();
    }
}

// The old line of a given number (1-based) stays, or `text` replaces it.
void putOrKeep(TextRewrite& rewrite, std::int64_t line, std::int64_t& read, const std::optional<std::string>& text)
{
    copyUpTo(rewrite, line, read);
    if (text) {
        rewrite.put(*text);
        rewrite.dropLine();
    } else {
        rewrite.copyLine();
    }
    ++read;
}

} // namespace

std::int64_t countOptListLines(const std::filesystem::path& list)
{
    LineReader reader(list);
    std::int64_t count = 0;
    while (!reader.atEnd()) {
        ++count;
        if (reader.readLine().empty())
            break;
    }
    return count;
}

OptListContent optListWithEntry(const std::filesystem::path& list, std::int64_t index, const std::string& modelName)
{
    TextRewrite rewrite(list);
    std::int64_t copied = 0;
    while (copied < index && !rewrite.atEnd()) {
        rewrite.copyLine();
        ++copied;
    }
    rewrite.put(modelName);
    if (!rewrite.atEnd())
        rewrite.dropLine();
    rewrite.copyRest();
    return {rewrite.content(), copied};
}

std::optional<std::string> specDescWithSlotRecord(const std::filesystem::path& file, std::int32_t slotIndex,
                                                  const RecordLines& record)
{
    TextRewrite rewrite(file);
    std::int64_t counted = 0;
    while (counted < std::int64_t{slotIndex} * 5) {
        if (rewrite.atEnd())
            return std::nullopt;
        if (!isComment(rewrite.copyLine()))
            ++counted;
    }
    // Comment lines before the record stay; the record's first line is the next other line.
    bool hasOld = false;
    while (!rewrite.atEnd()) {
        const std::string line = rewrite.dropLine();
        hasOld = !isComment(line);
        if (hasOld)
            break;
        rewrite.keepDropped();
    }
    if (hasOld && record[0].keep)
        rewrite.keepDropped();
    else
        rewrite.put(record[0].text);
    putLastFour(rewrite, record, hasOld);
    rewrite.copyRest();
    return rewrite.content();
}

std::string specDescWithSpeciesRecord(const std::filesystem::path& file, const std::string& species,
                                      const RecordLines& record)
{
    TextRewrite rewrite(file);
    rewrite.copyLine();
    bool found = false;
    while (!rewrite.atEnd()) {
        const std::string line = rewrite.dropLine();
        found = !line.empty() && line.front() == '!' && speciesKeyOf(line) == species;
        if (found)
            break;
        rewrite.keepDropped();
    }
    static const char* const kTags[] = {"_NAME!", "_MANU!", "_SIDE!", "_DESC!", "_CREW!"};
    RecordLines tagged = record;
    for (std::size_t i = 0; i < tagged.size(); ++i)
        tagged[i].text = "!SPEC_" + species + kTags[i] + record[i].text;
    if (found && record[0].keep)
        rewrite.keepDropped();
    else
        rewrite.put(tagged[0].text);
    putLastFour(rewrite, tagged, found);
    rewrite.copyRest();
    return rewrite.content();
}

std::string frontTextWithName(const std::filesystem::path& file, std::int64_t line, const std::string& name)
{
    TextRewrite rewrite(file);
    std::int64_t read = 0;
    copyUpTo(rewrite, line, read);
    rewrite.put(name);
    rewrite.dropLine();
    rewrite.copyRest();
    return rewrite.content();
}

std::string stringsWithSlotNames(const std::filesystem::path& file, const SlotStrings& strings)
{
    TextRewrite rewrite(file);
    std::int64_t read = 0;

    copyUpTo(rewrite, strings.genderLine, read);
    const bool pastEnd = rewrite.atEnd();
    const std::string oldGender = rewrite.dropLine();
    ++read;
    std::string tag;
    if (strings.xwa && !oldGender.empty() && oldGender.front() == '!') {
        const std::size_t second = oldGender.find('!', 1);
        if (second != std::string::npos)
            tag = oldGender.substr(0, second + 1);
    }
    // The tag without its closing "!" starts the plural and short-name tags.
    const std::string stem = tag.empty() ? std::string() : tag.substr(0, tag.size() - 1);
    if (!strings.female && !strings.craftName) {
        if (pastEnd)
            rewrite.put(""); // as a copied line past the end
        else
            rewrite.keepDropped();
    } else {
        const std::string oldText = oldGender.substr(tag.size());
        const bool oldSex = oldText.size() >= 2;
        const std::string sex = strings.female ? (*strings.female ? "f:" : "m:")
                                : oldSex       ? oldText.substr(0, 2)
                                               : std::string("m:");
        const std::string name = strings.craftName ? *strings.craftName : oldSex ? oldText.substr(2) : std::string();
        rewrite.put(tag + sex + name);
    }

    const auto tagged = [&](const std::optional<std::string>& text, const char* suffix) -> std::optional<std::string> {
        if (!text || !strings.xwa)
            return text;
        return stem + suffix + *text;
    };
    putOrKeep(rewrite, strings.pluralLine, read, tagged(strings.pluralName, "_PLURAL!"));
    if (strings.shortNameLine)
        putOrKeep(rewrite, *strings.shortNameLine, read, tagged(strings.shortName, "_SHORT!"));
    rewrite.copyRest();
    return rewrite.content();
}

} // namespace plorik
