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

void dropFour(TextRewrite& rewrite)
{
    for (int i = 0; i < 4; ++i)
        rewrite.dropLine();
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
                                                  const DescriptionRecord& record)
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
    while (!rewrite.atEnd()) {
        const std::string line = rewrite.dropLine();
        if (!isComment(line))
            break;
        rewrite.keepDropped();
    }
    for (const std::string& text : record)
        rewrite.put(text);
    dropFour(rewrite);
    rewrite.copyRest();
    return rewrite.content();
}

std::string specDescWithSpeciesRecord(const std::filesystem::path& file, const std::string& species,
                                      const DescriptionRecord& record)
{
    TextRewrite rewrite(file);
    rewrite.copyLine();
    while (!rewrite.atEnd()) {
        const std::string line = rewrite.dropLine();
        if (!line.empty() && line.front() == '!' && speciesKeyOf(line) == species)
            break;
        rewrite.keepDropped();
    }
    static const char* const kTags[] = {"_NAME!", "_MANU!", "_SIDE!", "_DESC!", "_CREW!"};
    for (std::size_t i = 0; i < record.size(); ++i)
        rewrite.put("!SPEC_" + species + kTags[i] + record[i]);
    dropFour(rewrite);
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
    const std::string sex = strings.female ? "f:" : "m:";

    copyUpTo(rewrite, strings.genderLine, read);
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
    rewrite.put(tag + sex + strings.craftName);

    copyUpTo(rewrite, strings.pluralLine, read);
    rewrite.put(strings.xwa ? stem + "_PLURAL!" + strings.pluralName : strings.pluralName);
    rewrite.dropLine();
    ++read;

    if (strings.shortNameLine) {
        copyUpTo(rewrite, *strings.shortNameLine, read);
        rewrite.put(strings.xwa ? stem + "_SHORT!" + strings.shortName : strings.shortName);
        rewrite.dropLine();
        ++read;
    }
    rewrite.copyRest();
    return rewrite.content();
}

} // namespace plorik
