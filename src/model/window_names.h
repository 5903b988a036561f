#pragma once

// The names the frame knows its windows and menu commands by. A window's name
// is also its objectName and a command's the objectName of its menu item: the
// radio maker's tools used these names, and dealers' support notes and the
// window tests point at them.
namespace r5 {

namespace window {
inline constexpr char kChannelGrid[] = "frm_chann";
inline constexpr char kChannelDetail[] = "Form_Chann_Edit";
inline constexpr char kOpenChannelFile[] = "Form_open_chann";
inline constexpr char kSaveChannelFile[] = "Form_save_chann";
inline constexpr char kOpenAdjustFile[] = "Form_open_adj";
inline constexpr char kSaveAdjustFile[] = "Form_save_adj";
inline constexpr char kModel[] = "Form_type";
inline constexpr char kPort[] = "Form_setup";
inline constexpr char kRead[] = "Form_Comm_Read";
inline constexpr char kWrite[] = "Form_Comm_Write";
inline constexpr char kAbout[] = "Form_About";
inline constexpr char kOptions[] = "frm_option";
inline constexpr char kKeyAssignment[] = "Form_edit_Key";
inline constexpr char kScan[] = "Form_Edit_scan";
inline constexpr char kTestFrequencies[] = "Form_Edit_Test";
inline constexpr char kMessage[] = "Form_Edit_Message";
inline constexpr char kPassword[] = "Form_Write_PassWord";
inline constexpr char kAdjust[] = "frm_Adj_Txp";
} // namespace window

namespace command {
// menus of the menu bar
inline constexpr char kFileMenu[] = "File";
inline constexpr char kEditMenu[] = "Edit";
inline constexpr char kProgramMenu[] = "Program";
inline constexpr char kAdjustMenu[] = "Adjust";
inline constexpr char kLanguageMenu[] = "Language_Setup";
// items
inline constexpr char kNewFile[] = "File_New";
inline constexpr char kOpenFile[] = "File_Open";
inline constexpr char kSaveFile[] = "File_save";
inline constexpr char kSaveFileAs[] = "File_saveas";
inline constexpr char kExportChannels[] = "File_export_csv";
inline constexpr char kImportChannels[] = "File_import_csv";
inline constexpr char kExportSheet[] = "File_export_sheet";
inline constexpr char kPrint[] = "File_print";
inline constexpr char kExitFromFile[] = "File_exit";
inline constexpr char kModel[] = "proc_type";
inline constexpr char kChannels[] = "Channel_edit";
inline constexpr char kOptionalFeatures[] = "Optional_edit";
inline constexpr char kKeyAssignment[] = "key_edit";
inline constexpr char kScanInformation[] = "Scan_edit";
inline constexpr char kDtmf[] = "Dtmf_edit";
inline constexpr char kFleetSync[] = "Fleetsync_edit";
inline constexpr char kTestFrequencies[] = "Test_edit";
inline constexpr char kEmbeddedMessage[] = "Message_edit";
inline constexpr char kRead[] = "Prog_read";
inline constexpr char kWrite[] = "Prog_write";
inline constexpr char kTestMode[] = "Prog_test";
inline constexpr char kPowerAdjust[] = "Adj_Txp";
inline constexpr char kPassword[] = "PC_PassWord";
inline constexpr char kPort[] = "proc_setup";
inline constexpr char kFactoryAdjust[] = "Other";
inline constexpr char kChinese[] = "Language_chn";
inline constexpr char kEnglish[] = "Language_eng";
inline constexpr char kAbout[] = "Menu_About";
inline constexpr char kExit[] = "Menu_exit";
} // namespace command

} // namespace r5
