// The form model: the user's edits run the control's handler and a command's changes do not;
// disabled controls and fixed cells take no edits; lists and radio groups keep their choice.
#include "form/Form.h"

#include <gtest/gtest.h>

using namespace plorik;

namespace {

constexpr std::string_view kLetters[] = {"a", "b", "c"};
constexpr std::string_view kNumbers[] = {"1  one", "2  two"};
constexpr std::string_view kColumns[] = {"", "X", "Y"};
constexpr std::string_view kRows[] = {"one", "two"};
constexpr std::size_t kY[] = {2};
constexpr ControlEntry Box{.key = "Box", .caption = "Box:"};
constexpr ControlEntry List{.key = "List", .kind = ControlKind::DropDownList, .items = kLetters};
constexpr ControlEntry Combo{.key = "Combo", .kind = ControlKind::ComboBox, .items = kNumbers};
constexpr ControlEntry Check{.key = "Check", .kind = ControlKind::CheckBox};
constexpr ControlEntry Left{.key = "Left", .kind = ControlKind::RadioButton, .radioGroup = "side", .checked = true};
constexpr ControlEntry Right{.key = "Right", .kind = ControlKind::RadioButton, .radioGroup = "side"};
constexpr ControlEntry Bar{.key = "Bar", .kind = ControlKind::TrackBar};
constexpr ControlEntry Press{.key = "Press", .kind = ControlKind::Button};
constexpr ControlEntry Grid{.key = "Grid",
                            .kind = ControlKind::Grid,
                            .rows = 3,
                            .columns = 3,
                            .columnHeadings = kColumns,
                            .rowHeadings = kRows,
                            .editableColumns = kY};
constexpr ControlEntry Absent{.key = "NoSuchControl"};

struct Fixture {
    Form form{"Window"};
    std::vector<std::string> ran;

    Fixture()
    {
        for (const ControlEntry* entry : {&Box, &List, &Combo, &Check, &Left, &Right, &Bar, &Press, &Grid})
            form.add(*entry);
        for (const ControlEntry* entry : {&Box, &List, &Combo, &Check, &Left, &Right, &Bar, &Grid})
            form.onChange(*entry, [this, entry] { ran.push_back(std::string(entry->key)); });
        form.onPress(Press, [this] { ran.push_back("Press"); });
    }
};

} // namespace

TEST(Form, UserEditsRunTheHandlerCommandChangesDoNot)
{
    Fixture f;
    f.form[Box].setText("set");
    f.form[List].setIndex(1);
    f.form[Bar].setPosition(5);
    EXPECT_EQ(f.ran, std::vector<std::string>{});

    EXPECT_TRUE(f.form.userEdit(Box, "typed"));
    EXPECT_TRUE(f.form.userPick(List, 2));
    EXPECT_TRUE(f.form.userEdit(Combo, "9  nine"));
    EXPECT_TRUE(f.form.userCheck(Check, true));
    EXPECT_TRUE(f.form.userCheck(Right, true));
    EXPECT_TRUE(f.form.userSlide(Bar, 300));
    EXPECT_TRUE(f.form.userEditCell(Grid, 1, 2, "7"));
    EXPECT_TRUE(f.form.userPress(Press));
    EXPECT_EQ(f.ran, (std::vector<std::string>{"Box", "List", "Combo", "Check", "Right", "Bar", "Grid", "Press"}));

    EXPECT_EQ(f.form[List].text(), "c");
    EXPECT_EQ(f.form[Combo].index(), -1) << "a typed text that is no item selects none";
    EXPECT_FALSE(f.form[Left].checked()) << "a radio button clears the others of its group";
    EXPECT_EQ(f.form[Bar].position(), 255) << "a track bar stays in its range";
    EXPECT_EQ(f.form[Grid].cell(1, 2), "7");
}

TEST(Form, DisabledControlsFixedCellsAndWrongKindsTakeNoEdit)
{
    Fixture f;
    for (const ControlEntry* key : {&Box, &List, &Check, &Bar, &Press, &Grid})
        f.form[*key].setEnabled(false);
    EXPECT_FALSE(f.form.userEdit(Box, "x"));
    EXPECT_FALSE(f.form.userPick(List, 0));
    EXPECT_FALSE(f.form.userCheck(Check, true));
    EXPECT_FALSE(f.form.userSlide(Bar, 1));
    EXPECT_FALSE(f.form.userPress(Press));
    EXPECT_FALSE(f.form.userEditCell(Grid, 1, 2, "x"));

    Fixture g;
    EXPECT_FALSE(g.form.userEditCell(Grid, 0, 2, "x")) << "headings";
    EXPECT_FALSE(g.form.userEditCell(Grid, 1, 0, "x"));
    EXPECT_FALSE(g.form.userEditCell(Grid, 1, 1, "x")) << "not an editable column";
    EXPECT_FALSE(g.form.userEditCell(Grid, 5, 2, "x")) << "beyond the grid";
    EXPECT_FALSE(g.form.userEdit(List, "b")) << "a fixed list takes a pick, not a text";
    EXPECT_FALSE(g.form.userPick(List, 3));
    EXPECT_FALSE(g.form.userCheck(Left, false)) << "a radio button is cleared by choosing another";
    EXPECT_EQ(g.ran, std::vector<std::string>{});
    EXPECT_THROW(g.form[Absent], std::out_of_range);
}
