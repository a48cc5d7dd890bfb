#include "hooks/HookReport.h"

#include "controls/MainWindowPages.h"

#include <algorithm>
#include <set>
#include <tuple>

namespace plorik {

namespace {

template <typename T> void addOnce(std::vector<T>& list, const T& item)
{
    if (std::find(list.begin(), list.end(), item) == list.end())
        list.push_back(item);
}

std::string joinNames(const std::vector<std::string>& names, const std::string& last)
{
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0)
            text += i + 1 == names.size() ? last : ", ";
        text += names[i];
    }
    return text;
}

} // namespace

std::vector<const HookOverride*> HookReport::forControl(MainKey control) const
{
    std::vector<const HookOverride*> found;
    for (const HookOverride& item : overrides) {
        if (item.control && MainKey(*item.control) == control)
            found.push_back(&item);
    }
    return found;
}

std::string HookReport::summary() const
{
    if (overrides.empty())
        return "";
    std::vector<std::string> files;
    std::set<std::tuple<std::string, std::size_t, std::size_t>> fields;
    std::vector<std::string_view> pages;
    for (const HookOverride& item : overrides) {
        addOnce(files, item.file);
        if (item.control) {
            fields.insert({std::string(item.control->key), item.row, item.column});
            addOnce(pages, item.control->page);
        } else {
            fields.insert({item.key, 0, 0});
        }
    }
    std::vector<std::string> pageNames;
    for (std::string_view page : controls::kMainWindowPages) {
        if (std::find(pages.begin(), pages.end(), page) != pages.end())
            pageNames.emplace_back(page);
    }
    std::string text = joinNames(files, " and ") + (files.size() == 1 ? " overrides " : " override ") +
                       std::to_string(fields.size()) + (fields.size() == 1 ? " field" : " fields") + " of this slot";
    if (!pageNames.empty())
        text += " (" + joinNames(pageNames, ", ") + ")";
    return text;
}

} // namespace plorik
