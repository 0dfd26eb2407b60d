#include "got/mainformlayout.h"

#include "got/mainformbinding.h"

#include <array>

namespace pellax {

namespace {

using K = ControlKind;

constexpr std::array<ControlDescription, 29> kControls = {{
    {"GroupBox1", K::GroupBox, "", 0, 0, 209, 161, 0, "Game type", nullptr},
    {"Label1", K::Label, "GroupBox1", 8, 24, 0, 0, -1, "Name:", nullptr},
    {"Label2", K::Label, "GroupBox1", 8, 48, 0, 0, -1, "Color:", nullptr},
    {"Label7", K::Label, "GroupBox1", 8, 72, 0, 0, -1, "Variation name", nullptr},
    {"Label8", K::Label, "GroupBox1", 8, 92, 0, 0, -1, "Var setting", nullptr},
    {"Label9", K::Label, "GroupBox1", 8, 116, 0, 0, -1, "Var number (1)", "Note: 0 if variation is disabled (checkbox)"},
    {"Label3", K::Label, "GroupBox1", 8, 144, 0, 0, -1, "Position", "Position in selection list of SC/BW"},
    {"gametypename", K::Edit, "GroupBox1", 40, 16, 161, 21, 0, "", nullptr},
    {"colorbox", K::ComboBox, "GroupBox1", 40, 40, 161, 21, 1, "Default", nullptr},
    {"descripname", K::Edit, "GroupBox1", 80, 64, 121, 21, 2, "", nullptr},
    {"varsetting", K::Edit, "GroupBox1", 80, 88, 121, 21, 3, "", nullptr},
    {"varnum", K::Edit, "GroupBox1", 80, 112, 121, 21, 4, "", "Note: 0 if variation is disabled (checkbox)"},
    {"position", K::Edit, "GroupBox1", 80, 136, 121, 21, 5, "", nullptr},
    {"GroupBox2", K::GroupBox, "", 216, 0, 137, 81, 1, "Flags", nullptr},
    {"Canally", K::CheckBox, "GroupBox2", 8, 24, 97, 17, 0, "Alliances allowed", nullptr},
    {"defaultmin", K::CheckBox, "GroupBox2", 8, 40, 113, 17, 1, "Use default minerals", nullptr},
    {"isenabled", K::CheckBox, "GroupBox2", 8, 56, 113, 17, 2, "Enabled in SC/BW", nullptr},
    {"GroupBox3", K::GroupBox, "", 360, 0, 217, 113, 2, "Game specific info", nullptr},
    {"Label6", K::Label, "GroupBox3", 8, 24, 0, 0, -1, "Minerals", "Starting mineral amount (NOte: make it 50000 for the heck of it)"},
    {"Label4", K::Label, "GroupBox3", 8, 48, 0, 0, -1, "gametype", "Well duh"},
    {"", K::Label, "GroupBox3", 8, 72, 0, 0, -1, "Playability", "When this game type is shown in the list, IE only vs comps, only multiplayer"},
    {"Label5", K::Label, "GroupBox3", 8, 96, 0, 0, -1, "Max teams:", nullptr},
    {"Gametype", K::ComboBox, "GroupBox3", 64, 40, 145, 21, 0, "Gametype", nullptr},
    {"playability", K::ComboBox, "GroupBox3", 64, 64, 145, 21, 1, "", nullptr},
    {"numteams", K::Edit, "GroupBox3", 64, 88, 145, 21, 2, "", nullptr},
    {"minerals", K::Edit, "GroupBox3", 64, 16, 129, 21, 3, "0", nullptr},
    {"UpDown1", K::UpDown, "GroupBox3", 193, 16, 15, 21, 4, "", nullptr},
    {"", K::Label, "", 216, 144, 121, 13, -1, "Internal game type setting", nullptr},
    {"Gametypesetting", K::Edit, "", 344, 136, 129, 21, 3, "", nullptr},
}};

}  // namespace

std::span<const ControlDescription> mainformControls() { return kControls; }

std::span<const char* const> mainformComboItems(std::string_view name) {
    for (const BoundControl& control : boundControls()) {
        if (name == control.name())
            return control.control->items;
    }
    return {};
}

}  // namespace pellax
