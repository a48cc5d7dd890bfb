#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace plorik {

// One field whose text differs between two displays of a slot: the older (the backup image, or the
// other executable) and the game's now, each as the page shows it.
struct FieldChange {
    std::string key;
    std::string page;
    std::string caption; // "Shield Power"; for a grid cell the grid's, its row's and its column's
    std::string unit;
    std::size_t row = 0; // a grid cell's, 0 for every other control
    std::size_t column = 0;
    std::string before;
    std::string after;
};

struct SlotChanges {
    std::int32_t slot = 0;
    std::string name; // the craft's name as the game shows it now
    std::vector<FieldChange> fields;
};

struct WeaponChanges {
    std::int32_t weapon = 0; // the weapon's index in "Weapon:"
    std::string name;
    std::vector<FieldChange> fields;
};

// A line of a text or list file that differs; a line only one side has leaves the other empty.
struct LineChange {
    std::string file;
    std::size_t line = 0; // 1-based, in the game's file now (in the older file for a removed line)
    std::optional<std::string> before;
    std::optional<std::string> after;
};

// What changed in the game against the backup image of its version or another executable of it.
struct ChangeReport {
    std::string against; // "the backup image" or the other executable's path
    std::vector<SlotChanges> craftSlots;
    std::vector<WeaponChanges> weapons;
    std::vector<LineChange> lines;
    bool empty() const { return craftSlots.empty() && weapons.empty() && lines.empty(); }
};

// The texts are the game's single-byte text, turned into UTF-8 here.
// "Slot 12 TIE Interceptor · Statistics · Shield Power: 100 → 140 SBD", a line per field, then a
// line per changed text line; "No changes." when there are none.
std::string changeReportText(const ChangeReport& report);
// The same as patch notes: a heading per slot and per file, a bullet per change.
std::string changeReportMarkdown(const ChangeReport& report);

// The changed lines of two versions of a file: the lines both share at the start and at the end are
// left out, what lies between is removed and added line by line.
std::vector<LineChange> changedLines(const std::string& file, const std::vector<std::string>& before,
                                     const std::vector<std::string>& after);

} // namespace plorik
