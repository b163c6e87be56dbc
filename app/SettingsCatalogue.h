#pragma once

// Every settings file the program reads or writes in the data directory, by name. A file
// that is absent means the default; each owner reads its files itself.

namespace torvane::files {

// Main window settings
inline constexpr const char* Request = "Request.INI";
inline constexpr const char* PrintMode = "RePrintMode.INI";
inline constexpr const char* TransLen = "ReTransLen.INI";
inline constexpr const char* Select = "ReSelect.INI";
inline constexpr const char* Pass = "RePass.INI";
inline constexpr const char* Display = "ReDsplay.INI";
inline constexpr const char* RequestLen = "RequestLen.INI";
inline constexpr const char* IniDir = "INIDIR.INI";
inline constexpr const char* SaveName = "TorvaneSave.INI";

// Company, labour rate and tax
inline constexpr const char* Rate = "Rate.INI";
inline constexpr const char* User = "User.INI";
inline constexpr const char* Zei = "Zei.INI";

// Pick lists
inline constexpr const char* Title = "ReTitle.INI";
inline constexpr const char* Charge = "ReCharge.INI";
inline constexpr const char* Exp = "ReExp.INI";
inline constexpr const char* Class = "ReClass.INI";

// Filter entries
inline constexpr const char* Filter1 = "ReFilter1.INI";
inline constexpr const char* Filter2 = "ReFilter2.INI";
inline constexpr const char* Filter3 = "ReFilter3.INI";

// Renamable captions (single-line files)
inline constexpr const char* ExpenseCaption = "ReExpense.INI";
inline constexpr const char* Regulation = "Regulation.INI";
inline constexpr const char* Service = "ReService.INI";
inline constexpr const char* SpService = "ReSpService.INI";
inline constexpr const char* TaxName = "ReTaxName.INI";
inline constexpr const char* Comment = "ReComment.INI";
inline constexpr const char* NotCalc = "ReNotCalc.INI";

// Profit
inline constexpr const char* Pass1 = "RePass1.INI";
inline constexpr const char* Total = "ReTotal.INI";

// Search, copy, list editors, colours
inline constexpr const char* Find = "ReFind.INI";
inline constexpr const char* Copy = "ReCopy.INI";
inline constexpr const char* ItemLen = "ReItemLen.INI";
inline constexpr const char* ExpLen = "ReExpLen.INI";
inline constexpr const char* ExpSet = "ReExpSet.INI";
inline constexpr const char* TitleColor = "ReTitleColor.INI";

// Printing
inline constexpr const char* PrintName = "RePrintName.INI";
inline constexpr const char* CarFont = "ReCarFont.INI";
inline constexpr const char* ToolEdit = "ToolEdit.INI";
inline constexpr const char* ToolEdit1 = "ToolEdit1.INI";
inline constexpr const char* Print = "RePrint.INI";
inline constexpr const char* PrintPat = "RePrintPat.INI";

// Inspection call-up and postal codes
inline constexpr const char* CarForm = "ReCarForm.INI";
inline constexpr const char* PostData = "PostData.INI";

// Other files of the data directory
inline constexpr const char* Database = "zedaviz.sqlite3";
inline constexpr const char* InspectionLedgerProgram = "Velmark.exe";
inline constexpr const char* ViewerProgram = "Quillon.exe";
inline constexpr const char* HelpFile = "Torvane.HLP";

} // namespace torvane::files
