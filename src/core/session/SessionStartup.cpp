#include "session/Session.h"

#include "backup/BackupImage.h"
#include "backup/ImageCommands.h"
#include "common/Errors.h"
#include "controls/MainWindowControls.h"
#include "controls/WeaponEditorControls.h"
#include "craft/CraftNumberItems.h"
#include "craft/CraftTable.h"
#include "craft/SlotBuffer.h"
#include "io/GamePath.h"
#include "profile/Identification.h"
#include "profile/LookupSections.h"
#include "session/Settings.h"

#include <system_error>

namespace plorik {

void Session::start(const std::string& shipFileArgument)
{
    run([&] { startUp(shipFileArgument); });
    // The editor windows are made whatever became of the main window's start-up.
    if (!m_ended) {
        run([this] { createCockpitEditor(); });
        run([this] { createWeaponEditor(); });
    }
    if (m_pendingEnd && !m_ended)
        finish(*m_pendingEnd);
}

void Session::startUp(const std::string& shipFileArgument)
{
    m_slotOffset = 0;
    setProfileCommandsEnabled(false); // until a profile is loaded
    fillTargetTypes();
    if (Settings(m_programDir).exists())
        startConfigured();
    else
        startUnconfigured();
    // A ship file named on the command line is loaded once the first slot is shown.
    std::error_code missing;
    if (!shipFileArgument.empty() && std::filesystem::exists(shipFileArgument, missing))
        loadShipFile(shipFileArgument);
}

void Session::fillTargetTypes()
{
    const SectionList targets = readBracketList(dataFilePath(), section::kTargetTypes, false);
    Control& list = (*m_main)[controls::TargetTypeList];
    list.setItems(targets.items);
    if (!targets.found) {
        error(missingSectionText(section::kTargetTypes));
        endAfterStartUp(1);
    }
}

void Session::startUnconfigured()
{
    m_configured = false;
    m_prompter.message({"PLORIK tip:",
                        "As a first starter, you may want to make a backup image from the functions menu. This will "
                        "both ensure backups and enable you to create complete ZT patches.",
                        MessageIcon::Information, MessageButtons::Ok, Answer::Ok});
}

void Session::startConfigured()
{
    m_configured = true;
    const Settings::Loaded settings = Settings(m_programDir).load();
    m_exeName = settings.exeName;
    m_gameDir = settings.gameDir + "\\";
    (*m_main)[controls::GameDirBox].setText(m_gameDir);
    identifyAndLoad();
    setImagesMenu();
}

void Session::identifyAndLoad()
{
    const Identification identification = identifyVersion(dataFilePath(), executablePath());
    if (identification.outcome == Identification::Outcome::MissingSection) {
        error("Missing [XVT VERSIONS] section in DATA.TXT");
        endNow(1);
    }
    if (identification.outcome == Identification::Outcome::NoMatch) {
        error("Unkown XvT EXE version.");
        endNow(1);
    }
    m_versionName = identification.versionName;
    setCockpitEditorAvailable(true);

    ProfileLoad load;
    try {
        load = loadProfile(dataFilePath(), m_versionName);
    } catch (const RangeError&) {
        (*m_main)[controls::GameVersionBox].setText(m_versionName);
        throw;
    }
    if (load.outcome == ProfileLoad::Outcome::EntryNotFound) {
        error("This is an unkown XvT Version, and can't be edited", "PLORIK Error:");
        return;
    }
    (*m_main)[controls::GameVersionBox].setText(m_versionName);
    if (load.hasXwaTypeKey)
        setCockpitEditorAvailable(false);
    const std::int32_t entryLength = load.profile.entryLength();
    if (entryLength == 0) {
        error("EntryLength key is set to Zero, which will result in a DBZ error.");
        endNow(255);
    }
    if (entryLength < 0 || static_cast<std::size_t>(entryLength) > SlotBuffer::kSize) {
        error("ENTRYLENGTH = " + std::to_string(entryLength) +
              " does not fit the slot buffer: a craft entry must be 1 to " + std::to_string(SlotBuffer::kSize) +
              " bytes long.");
        endNow(255);
    }
    acceptProfile(load.profile);
}

void Session::acceptProfile(const VersionProfile& profile)
{
    m_profile = profile;
    fillLookupLists();
    fillUnknownGrid();
    fillCraftNumbers();
    setProfileCommandsEnabled(true);
    m_slotOffset = 0;
    readAndShowSlot();
}

void Session::fillLookupLists()
{
    const SectionList convergence = readBracketList(dataFilePath(), section::kGunConvergence, true);
    if (!convergence.found)
        throw MissingSectionError(section::kGunConvergence);
    (*m_main)[controls::GunConvergenceList].setItems(convergence.items);
    const std::string_view weaponSection = m_profile->isXwa() ? section::kXwaWeaponTypes : section::kWeaponTypes;
    const SectionList weapons = readBracketList(dataFilePath(), weaponSection, true);
    if (!weapons.found)
        throw MissingSectionError(weaponSection);
    for (MainKey key : {controls::Laser1List, controls::Laser2List, controls::Laser3List, controls::Warhead1List,
                        controls::Warhead2List})
        (*m_main)[key].setItems(weapons.items);
}

void Session::fillUnknownGrid()
{
    // Rows 1 to 9 describe the free values of the version; the display fills their "value:" cells.
    Control& grid = (*m_main)[controls::FreeValuesGrid];
    for (std::size_t row = 0; row < kUnknownRows; ++row) {
        grid.setCell(row + 1, 0, m_profile->unknownText(row, UnknownColumn::Name));
        grid.setCell(row + 1, 1, m_profile->unknownText(row, UnknownColumn::Type));
        grid.setCell(row + 1, 3, m_profile->unknownText(row, UnknownColumn::MainOffset));
        grid.setCell(row + 1, 4, m_profile->unknownText(row, UnknownColumn::SlotOffset));
    }
}

void Session::fillCraftNumbers()
{
    (*m_main)[controls::CraftNoBox].setItems(craftNumberItems(*m_profile, resolveGamePath(m_gameDir, "strings.txt")));
}

void Session::setImagesMenu()
{
    if (!m_profile)
        return;
    std::error_code error;
    // A version name that cannot name an image folder has no image; its backup says why.
    const bool named = !BackupImage::nameRefusal(m_versionName);
    if (named)
        settleOlderImage(BackupImage(m_programDir, m_versionName, *m_profile, 0));
    const bool imageExists = named && std::filesystem::is_directory(backupFolder(), error);
    Form& main = *m_main;
    main[controls::MarkChangesItem].setEnabled(imageExists);
    main[controls::MarkChangesItem].setChecked(imageExists && Settings(m_programDir).markChanges());
    if (imageExists) {
        main[controls::CreateBackupImageItem].setEnabled(false);
    } else {
        main[controls::RecreateFromImageItem].setEnabled(false);
        main[controls::RecreateSingleSlotItem].setEnabled(false);
        main[controls::ZtPackageItem].setEnabled(false);
        main[controls::XwaZtPackageItem].setEnabled(false);
    }
}

void Session::fillWeaponEditorLists()
{
    Form& weapons = *m_weapons;
    const bool xwa = m_profile && m_profile->isXwa();
    Control& names = weapons[controls::weapons::WeaponList];
    names.setItems(readEndList(dataFilePath(), xwa ? section::kXwaWeaponNames : section::kWeaponNames).items);
    weapons[controls::weapons::CategoryList].setItems(readEndList(dataFilePath(), section::kWeaponCategories).items);
    names.setIndex(0);
    if (!xwa) {
        for (WeaponKey key :
             {controls::weapons::WpnEnabledBox, controls::weapons::WpnOptBox, controls::weapons::WpnIndexBox})
            weapons[key].setEnabled(false);
    }
}

void Session::closeSplash()
{
    run([this] {
        if (m_configured)
            return;
        const Answer answer = m_prompter.message(
            {"PLORIK first time notice",
             "Welcome to PLORIK.\r\rPLORIK does not know your game yet. Choose the game executable "
             "(Z_XVT__.EXE or xwingalliance.exe) with File > \"Select EXE File..\"; PLORIK then closes, and the next "
             "start opens the game.\r\rPress Cancel to quit now.",
             MessageIcon::Information, MessageButtons::OkCancel, Answer::Ok});
        if (answer != Answer::Ok)
            endNow(0);
    });
}

void Session::setProfileCommandsEnabled(bool enabled)
{
    // Without a profile the slot commands have nothing to work on; they come on with one.
    for (MainKey key :
         {controls::PrevSlotButton, controls::NextSlotButton, controls::WriteButton, controls::CraftNoBox,
          controls::OpenShipItem, controls::SaveShipAsItem, controls::SaveAsZtItem, controls::OpenShipTool,
          controls::SaveShipTool, controls::LastTool, controls::CopyShipItem, controls::CreateBackupImageItem,
          controls::RecreateFromImageItem, controls::RecreateSingleSlotItem, controls::ZtPackageItem,
          controls::UndoWriteItem, controls::ExportTableItem, controls::ImportTableItem})
        (*m_main)[key].setEnabled(enabled);
    // Only X-Wing Alliance reads hook files.
    for (MainKey key : {controls::ExportHookFileItem, controls::ImportHookFileItem})
        (*m_main)[key].setEnabled(enabled && m_profile && m_profile->isXwa());
}

void Session::setCockpitEditorAvailable(bool available)
{
    (*m_main)[controls::INTEditorButton].setEnabled(available);
    (*m_main)[controls::IntCockpitEditorItem].setEnabled(available);
}

} // namespace plorik
