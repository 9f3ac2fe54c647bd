#pragma once

#include <string_view>

// The texts the windows build at run time (messages, titles, captions set by code, the
// printed report's headings) are entries of the language files, in sections of their own
// after the windows' sections: a key names the section and the entry. A window reads them
// through the TextCatalogue of the language in use.
struct TextKey {
  std::string_view Form;  // the section
  std::string_view Name;  // the entry, compared without regard to case
};

// Main window: the save dialog's title, the titles of a file's error message and the close
// question. The open dialog's title is a control of the language files.
namespace MainTexts {
inline constexpr TextKey kOpenDataFile{"MainTexts", "OpenDataFile"};
inline constexpr TextKey kSaveDataAs{"MainTexts", "SaveDataAs"};
inline constexpr TextKey kSaveDataTitle{"MainTexts", "SaveDataTitle"};
inline constexpr TextKey kSaveData{"MainTexts", "SaveData"};
}  // namespace MainTexts

// The Recent Doors menu: an entry whose file has gone.
namespace RecentTexts {
inline constexpr TextKey kTitle{"RecentTexts", "Title"};
inline constexpr TextKey kGone{"RecentTexts", "Gone"};
inline constexpr TextKey kNotAFile{"RecentTexts", "NotAFile"};
}  // namespace RecentTexts

// Projections dialog: the "Variable" menu's commands without a focused entry field, and the
// captions of the three view tabs.
namespace ProjTexts {
inline constexpr TextKey kSelectVariableFirst{"ProjTexts", "SelectVariableFirst"};
inline constexpr TextKey kFrontView{"ProjTexts", "FrontView"};
inline constexpr TextKey kPlanView{"ProjTexts", "PlanView"};
inline constexpr TextKey kSideView{"ProjTexts", "SideView"};
}  // namespace ProjTexts

// Balance window: the question before the calculation log is deleted, naming the file.
namespace BalanceTexts {
inline constexpr TextKey kClearLogQuestion{"BalanceTexts", "ClearLogQuestion"};
}  // namespace BalanceTexts

// Single-variable solve dialog: "Store" with a range whose ends are not in order.
namespace SSolveTexts {
inline constexpr TextKey kMaximumBelowMinimum{"SSolveTexts", "MaximumBelowMinimum"};
// The range asked for reaches past the values the variable's field accepts (%1, its interval):
// the search keeps within them, from %2 to %3.
inline constexpr TextKey kKeptWithinField{"SSolveTexts", "KeptWithinField"};
}  // namespace SSolveTexts

// Sweep window: the texts its code sets (the search choices, the status line, the messages,
// the table's headings) and the plot's band titles and curve names. The CSV file keeps its
// English headings: it is a file format.
namespace SweepTexts {
inline constexpr TextKey kVariableHint{"SweepTexts", "VariableHint"};
inline constexpr TextKey kRelaxation{"SweepTexts", "Relaxation"};
inline constexpr TextKey kNewton{"SweepTexts", "Newton"};
inline constexpr TextKey kRangeHint{"SweepTexts", "RangeHint"};
inline constexpr TextKey kEqualEnds{"SweepTexts", "EqualEnds"};
inline constexpr TextKey kBalancing{"SweepTexts", "Balancing"};
inline constexpr TextKey kDone{"SweepTexts", "Done"};
inline constexpr TextKey kCancelled{"SweepTexts", "Cancelled"};
inline constexpr TextKey kYes{"SweepTexts", "Yes"};
inline constexpr TextKey kNo{"SweepTexts", "No"};
inline constexpr TextKey kExportTitle{"SweepTexts", "ExportTitle"};
inline constexpr TextKey kSavePlotTitle{"SweepTexts", "SavePlotTitle"};
inline constexpr TextKey kNotWritten{"SweepTexts", "NotWritten"};
inline constexpr TextKey kNotBalancedMark{"SweepTexts", "NotBalancedMark"};
// The table's headings after the swept value, in the CSV file's order.
inline constexpr TextKey kHeadings[] = {
    {"SweepTexts", "Headings1"},  {"SweepTexts", "Headings2"}, {"SweepTexts", "Headings3"},
    {"SweepTexts", "Headings4"},  {"SweepTexts", "Headings5"}, {"SweepTexts", "Headings6"},
    {"SweepTexts", "Headings7"},  {"SweepTexts", "Headings8"}, {"SweepTexts", "Headings9"},
    {"SweepTexts", "Headings10"}, {"SweepTexts", "Headings11"}};
inline constexpr TextKey kAnglesBand{"SweepTexts", "AnglesBand"};
inline constexpr TextKey kForcesBand{"SweepTexts", "ForcesBand"};
inline constexpr TextKey kRatioBand{"SweepTexts", "RatioBand"};
inline constexpr TextKey kAttack{"SweepTexts", "Attack"};
inline constexpr TextKey kSpread{"SweepTexts", "Spread"};
inline constexpr TextKey kResistance{"SweepTexts", "Resistance"};
inline constexpr TextKey kVertical{"SweepTexts", "Vertical"};
inline constexpr TextKey kRatio{"SweepTexts", "Ratio"};
}  // namespace SweepTexts

// Details window's stability area: its title, the matrix's column headings, the eigenvalues'
// caption and the verdict.
// The balance window's result fields: a figure the model could not compute (a door beyond
// what the model holds) is shown as such rather than left blank or shown as a number.
namespace ResultFieldTexts {
inline constexpr TextKey kInvalid{"ResultFieldTexts", "Invalid"};
}  // namespace ResultFieldTexts

namespace StabilityTexts {
inline constexpr TextKey kTitle{"StabilityTexts", "Title"};
inline constexpr TextKey kTurns[] = {
    {"StabilityTexts", "Turns1"}, {"StabilityTexts", "Turns2"}, {"StabilityTexts", "Turns3"}};
inline constexpr TextKey kEigenvalues{"StabilityTexts", "Eigenvalues"};
inline constexpr TextKey kStable{"StabilityTexts", "Stable"};
inline constexpr TextKey kUnstable{"StabilityTexts", "Unstable"};
}  // namespace StabilityTexts

// The names of the steps in a door's undo history and the Undo and Redo commands that name
// them. A step that changes one value says which and how: "Weight G: 13500 → 14000".
namespace EditTexts {
inline constexpr TextKey kUndo{"EditTexts", "Undo"};
inline constexpr TextKey kRedo{"EditTexts", "Redo"};
inline constexpr TextKey kValueChange{"EditTexts", "ValueChange"};
inline constexpr TextKey kRange{"EditTexts", "Range"};
inline constexpr TextKey kBottom{"EditTexts", "Bottom"};
inline constexpr TextKey kMidwater{"EditTexts", "Midwater"};
inline constexpr TextKey kBalanced{"EditTexts", "Balanced"};
inline constexpr TextKey kRotation{"EditTexts", "Rotation"};
inline constexpr TextKey kPictures{"EditTexts", "Pictures"};
inline constexpr TextKey kProjectionsCancelled{"EditTexts", "ProjectionsCancelled"};
inline constexpr TextKey kOpen{"EditTexts", "Open"};
// The main parameters in their stored order, as the steps that change one of them call it,
// followed by its symbol.
inline constexpr TextKey kMainParameters[] = {
    {"EditTexts", "MainParameters1"},  {"EditTexts", "MainParameters2"},
    {"EditTexts", "MainParameters3"},  {"EditTexts", "MainParameters4"},
    {"EditTexts", "MainParameters5"},  {"EditTexts", "MainParameters6"},
    {"EditTexts", "MainParameters7"},  {"EditTexts", "MainParameters8"},
    {"EditTexts", "MainParameters9"},  {"EditTexts", "MainParameters10"},
    {"EditTexts", "MainParameters11"}, {"EditTexts", "MainParameters12"},
    {"EditTexts", "MainParameters13"}, {"EditTexts", "MainParameters14"},
    {"EditTexts", "MainParameters15"}, {"EditTexts", "MainParameters16"},
    {"EditTexts", "MainParameters17"}, {"EditTexts", "MainParameters18"},
    {"EditTexts", "MainParameters19"}, {"EditTexts", "MainParameters20"},
    {"EditTexts", "MainParameters21"}, {"EditTexts", "MainParameters22"},
    {"EditTexts", "MainParameters23"}};
}  // namespace EditTexts

// The printed report's own texts (headings, column units, the row letters of the balance
// results); everything else on its pages is taken from the program's
// windows.
namespace PrintTexts {
inline constexpr TextKey kReportTitle{"PrintTexts", "ReportTitle"};
inline constexpr TextKey kGeneralData{"PrintTexts", "GeneralData"};
inline constexpr TextKey kProjections{"PrintTexts", "Projections"};
inline constexpr TextKey kFrontView{"PrintTexts", "FrontView"};
inline constexpr TextKey kPlanView{"PrintTexts", "PlanView"};
inline constexpr TextKey kSideView{"PrintTexts", "SideView"};
inline constexpr TextKey kHydroCoefficients{"PrintTexts", "HydroCoefficients"};
inline constexpr TextKey kDegree{"PrintTexts", "Degree"};
inline constexpr TextKey kKeelShape{"PrintTexts", "KeelShape"};
inline constexpr TextKey kTrawlInfluence{"PrintTexts", "TrawlInfluence"};
inline constexpr TextKey kKeelPosition{"PrintTexts", "KeelPosition"};
inline constexpr TextKey kGroundCoefficients{"PrintTexts", "GroundCoefficients"};
inline constexpr TextKey kBalancePosition{"PrintTexts", "BalancePosition"};
inline constexpr TextKey kAttackAngle{"PrintTexts", "AttackAngle"};
}  // namespace PrintTexts

// The balance window's numbered texts (the results report's labels and the solver-sensitivity
// dialog's texts), entries "Text1" .. "Text49" of the section ReportTexts; report/ReportTexts.h
// says which number is which.
namespace ReportTexts {
inline constexpr int kCount = 49;
// The key of text `number` (1 .. kCount).
TextKey Key(int number);
}  // namespace ReportTexts

// The coefficient table editors' messages.
namespace TableTexts {
inline constexpr TextKey kOverflow{"TableTexts", "Overflow"};
inline constexpr TextKey kReplacePoint{"TableTexts", "ReplacePoint"};
inline constexpr TextKey kNotAccepted{"TableTexts", "NotAccepted"};
// Why the grid makes no table: %1 is the row, %2 the column, %3 the value.
inline constexpr TextKey kTooFewRows{"TableTexts", "TooFewRows"};
inline constexpr TextKey kTooManyRows{"TableTexts", "TooManyRows"};
inline constexpr TextKey kNotFinite{"TableTexts", "NotFinite"};
inline constexpr TextKey kNotIncreasing{"TableTexts", "NotIncreasing"};
inline constexpr TextKey kNegativeDepth{"TableTexts", "NegativeDepth"};
inline constexpr TextKey kNegative{"TableTexts", "Negative"};
inline constexpr TextKey kNotANumber{"TableTexts", "NotANumber"};
}  // namespace TableTexts

// The words drawn in the program's pictures (see PictureWords).
namespace PictureTexts {
inline constexpr TextKey kFrontView{"PictureTexts", "FrontView"};
inline constexpr TextKey kPlanView{"PictureTexts", "PlanView"};
inline constexpr TextKey kSideView{"PictureTexts", "SideView"};
inline constexpr TextKey kOvalDoor{"PictureTexts", "OvalDoor"};
inline constexpr TextKey kVshapeDoor{"PictureTexts", "VshapeDoor"};
inline constexpr TextKey kSphericalDoor{"PictureTexts", "SphericalDoor"};
inline constexpr TextKey kRectangularDoor{"PictureTexts", "RectangularDoor"};
inline constexpr TextKey kKeelScheme{"PictureTexts", "KeelScheme"};
inline constexpr TextKey kKeelPosition{"PictureTexts", "KeelPosition"};
}  // namespace PictureTexts

// The names of the months, for a report's date in the report's language whatever the
// machine's regional formats: short ("Dec") and long ("December", in Russian the form that
// follows a day, "декабря"), January first.
namespace DateTexts {
inline constexpr TextKey kShortMonths[] = {
    {"DateTexts", "ShortMonths1"},  {"DateTexts", "ShortMonths2"},  {"DateTexts", "ShortMonths3"},
    {"DateTexts", "ShortMonths4"},  {"DateTexts", "ShortMonths5"},  {"DateTexts", "ShortMonths6"},
    {"DateTexts", "ShortMonths7"},  {"DateTexts", "ShortMonths8"},  {"DateTexts", "ShortMonths9"},
    {"DateTexts", "ShortMonths10"}, {"DateTexts", "ShortMonths11"}, {"DateTexts", "ShortMonths12"}};
inline constexpr TextKey kLongMonths[] = {
    {"DateTexts", "LongMonths1"},  {"DateTexts", "LongMonths2"},  {"DateTexts", "LongMonths3"},
    {"DateTexts", "LongMonths4"},  {"DateTexts", "LongMonths5"},  {"DateTexts", "LongMonths6"},
    {"DateTexts", "LongMonths7"},  {"DateTexts", "LongMonths8"},  {"DateTexts", "LongMonths9"},
    {"DateTexts", "LongMonths10"}, {"DateTexts", "LongMonths11"}, {"DateTexts", "LongMonths12"}};
}  // namespace DateTexts

// Titles and texts of the program's messages, and the reason the editing commands give while
// the balance search runs.
namespace MessageTexts {
inline constexpr TextKey kLanguageTitle{"MessageTexts", "LanguageTitle"};
inline constexpr TextKey kSearchLock{"MessageTexts", "SearchLock"};
// The log window could not read the log (%1, its path).
inline constexpr TextKey kLogNotRead{"MessageTexts", "LogNotRead"};
// A file could not be written (%1, its path; %2, why).
inline constexpr TextKey kNotWritten{"MessageTexts", "NotWritten"};
// Run Calculator: its title, no calculator installed, one that did not start (%1, its path).
inline constexpr TextKey kCalculatorTitle{"MessageTexts", "CalculatorTitle"};
inline constexpr TextKey kNoCalculator{"MessageTexts", "NoCalculator"};
inline constexpr TextKey kCalculatorNotStarted{"MessageTexts", "CalculatorNotStarted"};
// A macro client's conversation has ended.
inline constexpr TextKey kConversationFinished{"MessageTexts", "ConversationFinished"};
}  // namespace MessageTexts

// An entry field's messages: the title and the words of a value refused for the field's
// interval, and of the interval shown with F1.
namespace FieldTexts {
inline constexpr TextKey kErrorTitle{"FieldTexts", "ErrorTitle"};
inline constexpr TextKey kInformationTitle{"FieldTexts", "InformationTitle"};
inline constexpr TextKey kRange{"FieldTexts", "Range"};
inline constexpr TextKey kOutOfRange{"FieldTexts", "OutOfRange"};
}  // namespace FieldTexts

// The about box: its title, the program's line and its version ("Version %1").
namespace AboutTexts {
inline constexpr TextKey kTitle{"AboutTexts", "Title"};
inline constexpr TextKey kProduct{"AboutTexts", "Product"};
inline constexpr TextKey kVersion{"AboutTexts", "Version"};
}  // namespace AboutTexts

// The help window's title, its buttons and their tips, and the note for a topic it lacks
// (%1, the topic). The pages themselves are English.
namespace HelpTexts {
inline constexpr TextKey kTitle{"HelpTexts", "Title"};
inline constexpr TextKey kBack{"HelpTexts", "Back"};
inline constexpr TextKey kBackHint{"HelpTexts", "BackHint"};
inline constexpr TextKey kForward{"HelpTexts", "Forward"};
inline constexpr TextKey kForwardHint{"HelpTexts", "ForwardHint"};
inline constexpr TextKey kContents{"HelpTexts", "Contents"};
inline constexpr TextKey kContentsHint{"HelpTexts", "ContentsHint"};
inline constexpr TextKey kNoTopic{"HelpTexts", "NoTopic"};
}  // namespace HelpTexts

// The kinds of file the file dialogs offer, in the form "Name (*.ext);;Name (*)".
namespace FileTexts {
inline constexpr TextKey kDoorFiles{"FileTexts", "DoorFiles"};
inline constexpr TextKey kBitmapFiles{"FileTexts", "BitmapFiles"};
inline constexpr TextKey kCsvFiles{"FileTexts", "CsvFiles"};
inline constexpr TextKey kPictureFiles{"FileTexts", "PictureFiles"};
}  // namespace FileTexts

// The names a screen reader gives the buttons that scroll a row of tabs.
namespace ControlTexts {
inline constexpr TextKey kScrollLeft{"ControlTexts", "ScrollLeft"};
inline constexpr TextKey kScrollRight{"ControlTexts", "ScrollRight"};
}  // namespace ControlTexts

// The environment values as the target and operating map windows list them beside the main
// parameters' symbols, in the order of kEnvironmentFields.
namespace SettingTexts {
inline constexpr TextKey kEnvironment[] = {{"SettingTexts", "WaterDensity"},
                                           {"SettingTexts", "GroundDensity"},
                                           {"SettingTexts", "GroundCoef"},
                                           {"SettingTexts", "BridleAngleH"},
                                           {"SettingTexts", "BridleAngleV"}};
}  // namespace SettingTexts

// What went wrong with a file (see FileProblem): %1 is the file's path where a text names
// one; a reason given by another text of the section, or the system's reason, fills the last
// place.
namespace FileProblemTexts {
// Reading a door data file.
inline constexpr TextKey kNotFound{"FileProblemTexts", "NotFound"};
inline constexpr TextKey kCannotBeRead{"FileProblemTexts", "CannotBeRead"};
inline constexpr TextKey kCannotBeOpened{"FileProblemTexts", "CannotBeOpened"};
inline constexpr TextKey kFolder{"FileProblemTexts", "Folder"};
inline constexpr TextKey kNotRegular{"FileProblemTexts", "NotRegular"};
inline constexpr TextKey kTooLarge{"FileProblemTexts", "TooLarge"};  // %2 its size in bytes
inline constexpr TextKey kTooLargeRead{"FileProblemTexts", "TooLargeRead"};
// Writing a file: the whole file's message, then why.
inline constexpr TextKey kNotSaved{"FileProblemTexts", "NotSaved"};
inline constexpr TextKey kUnchanged{"FileProblemTexts", "Unchanged"};  // %1 why
inline constexpr TextKey kNoFileName{"FileProblemTexts", "NoFileName"};
inline constexpr TextKey kIsFolder{"FileProblemTexts", "IsFolder"};
inline constexpr TextKey kNotReplaced{"FileProblemTexts", "NotReplaced"};  // %1 what it is
inline constexpr TextKey kFifo{"FileProblemTexts", "Fifo"};
inline constexpr TextKey kDevice{"FileProblemTexts", "Device"};
inline constexpr TextKey kSocket{"FileProblemTexts", "Socket"};
inline constexpr TextKey kOtherKind{"FileProblemTexts", "OtherKind"};
inline constexpr TextKey kReadOnly{"FileProblemTexts", "ReadOnly"};
inline constexpr TextKey kCannotCreate{"FileProblemTexts", "CannotCreate"};  // %1 the folder
inline constexpr TextKey kWriteFailed{"FileProblemTexts", "WriteFailed"};
inline constexpr TextKey kFlushFailed{"FileProblemTexts", "FlushFailed"};
inline constexpr TextKey kCloseFailed{"FileProblemTexts", "CloseFailed"};
inline constexpr TextKey kCannotReplace{"FileProblemTexts", "CannotReplace"};
// The calculation log: %1 the log, %2 what was not done, %3 why.
inline constexpr TextKey kLogFailed{"FileProblemTexts", "LogFailed"};
inline constexpr TextKey kNotAddedToLog{"FileProblemTexts", "NotAddedToLog"};
inline constexpr TextKey kLogNotDeleted{"FileProblemTexts", "LogNotDeleted"};
inline constexpr TextKey kNotRegularIt{"FileProblemTexts", "NotRegularIt"};
inline constexpr TextKey kCannotReadIt{"FileProblemTexts", "CannotReadIt"};
inline constexpr TextKey kCannotDeleteIt{"FileProblemTexts", "CannotDeleteIt"};
// A language file.
inline constexpr TextKey kLangNotFound{"FileProblemTexts", "LangNotFound"};
inline constexpr TextKey kLangCannotBeRead{"FileProblemTexts", "LangCannotBeRead"};
inline constexpr TextKey kLangCannotBeOpened{"FileProblemTexts", "LangCannotBeOpened"};
inline constexpr TextKey kLangNotRegular{"FileProblemTexts", "LangNotRegular"};
inline constexpr TextKey kLangTooLarge{"FileProblemTexts", "LangTooLarge"};  // %2 bytes
inline constexpr TextKey kLangTooLargeRead{"FileProblemTexts", "LangTooLargeRead"};
inline constexpr TextKey kLangEmpty{"FileProblemTexts", "LangEmpty"};
inline constexpr TextKey kLangNotUtf8{"FileProblemTexts", "LangNotUtf8"};    // %2 the line
inline constexpr TextKey kAtLine{"FileProblemTexts", "AtLine"};              // %2 the line, %3 what
inline constexpr TextKey kLangNoHeader{"FileProblemTexts", "LangNoHeader"};  // %1 found
inline constexpr TextKey kLangNoSectionName{"FileProblemTexts", "LangNoSectionName"};
inline constexpr TextKey kLangEndsAfterName{"FileProblemTexts", "LangEndsAfterName"};
// %1 the section, %2 what was found
inline constexpr TextKey kLangBadCount{"FileProblemTexts", "LangBadCount"};
inline constexpr TextKey kLangBadCountUnnamed{"FileProblemTexts", "LangBadCountUnnamed"};
inline constexpr TextKey kEmptyLine{"FileProblemTexts", "EmptyLine"};
// %1 the section, %2 the count it declares, %3 the entries the file holds
inline constexpr TextKey kLangCutShort{"FileProblemTexts", "LangCutShort"};
inline constexpr TextKey kLangNoSection{"FileProblemTexts", "LangNoSection"};  // %2 section
// A line of a door data file: kAtLine holds one of these, "expected %1, found %2" with what
// the record should have been and what stood there instead.
inline constexpr TextKey kExpected{"FileProblemTexts", "Expected"};
inline constexpr TextKey kFourNumbers{"FileProblemTexts", "FourNumbers"};    // %1 the field
inline constexpr TextKey kOneNumber{"FileProblemTexts", "OneNumber"};        // %1 the field
inline constexpr TextKey kRowNumbers{"FileProblemTexts", "RowNumbers"};      // %1 count, %2 columns
inline constexpr TextKey kBalanceAngle{"FileProblemTexts", "BalanceAngle"};  // %1 the axis
inline constexpr TextKey kRowCount{"FileProblemTexts", "RowCount"};  // %1 table, %2 capacity
inline constexpr TextKey kTrawlingMode{"FileProblemTexts", "TrawlingMode"};
inline constexpr TextKey kFrontPictureLine{"FileProblemTexts", "FrontPictureLine"};
inline constexpr TextKey kPlanPictureLine{"FileProblemTexts", "PlanPictureLine"};
inline constexpr TextKey kSidePictureLine{"FileProblemTexts", "SidePictureLine"};
inline constexpr TextKey kViewTab{"FileProblemTexts", "ViewTab"};
inline constexpr TextKey kProjectionSwitches[] = {{"FileProblemTexts", "SchemeSwitch"},
                                                  {"FileProblemTexts", "HiddenLinesSwitch"},
                                                  {"FileProblemTexts", "PointsSwitch"},
                                                  {"FileProblemTexts", "ForcesSwitch"},
                                                  {"FileProblemTexts", "LabelsSwitch"}};
inline constexpr TextKey kBalanceSwitches[] = {{"FileProblemTexts", "ShowHiddenSwitch"},
                                               {"FileProblemTexts", "ShowPointsSwitch"},
                                               {"FileProblemTexts", "ShowForcesSwitch"},
                                               {"FileProblemTexts", "ShowLabelsSwitch"},
                                               {"FileProblemTexts", "ShowProcessSwitch"}};
// What stood where the record was expected.
inline constexpr TextKey kEndOfFile{"FileProblemTexts", "EndOfFile"};
inline constexpr TextKey kToken{"FileProblemTexts", "Token"};          // %1 the quoted token
inline constexpr TextKey kLongToken{"FileProblemTexts", "LongToken"};  // %1 length, %2 limit
inline constexpr TextKey kNumberTooLarge{"FileProblemTexts", "NumberTooLarge"};  // %1 token
inline constexpr TextKey kNumberTooSmall{"FileProblemTexts", "NumberTooSmall"};  // %1 token
inline constexpr TextKey kIntegerOutOfRange{"FileProblemTexts", "IntegerOutOfRange"};
inline constexpr TextKey kOnlyNumbers{"FileProblemTexts", "OnlyNumbers"};  // %1 how many
// A value its field does not take: %1 the field, %2 the field's range; the reader adds
// "%1, found %2" with the token it read.
inline constexpr TextKey kFieldNotFinite{"FileProblemTexts", "FieldNotFinite"};
inline constexpr TextKey kFieldOutOfRange{"FileProblemTexts", "FieldOutOfRange"};
inline constexpr TextKey kFoundToken{"FileProblemTexts", "FoundToken"};
// A value the reader would not take back: %1 the value's name.
inline constexpr TextKey kNotFiniteValue{"FileProblemTexts", "NotFiniteValue"};
inline constexpr TextKey kTooSmallValue{"FileProblemTexts", "TooSmallValue"};
inline constexpr TextKey kTableRowName{"FileProblemTexts", "TableRowName"};  // %1 table, %2 row
inline constexpr TextKey kRangeFrom{"FileProblemTexts", "RangeFrom"};        // %1 the field
inline constexpr TextKey kRangeTo{"FileProblemTexts", "RangeTo"};
inline constexpr TextKey kRangeStep{"FileProblemTexts", "RangeStep"};
inline constexpr TextKey kAngleName{"FileProblemTexts", "AngleName"};  // %1 the axis
// A picture name the file's line could not hold.
inline constexpr TextKey kFrontPictureBreak{"FileProblemTexts", "FrontPictureBreak"};
inline constexpr TextKey kPlanPictureBreak{"FileProblemTexts", "PlanPictureBreak"};
inline constexpr TextKey kSidePictureBreak{"FileProblemTexts", "SidePictureBreak"};
// A table read that does not pass the table check: %1 the table, %2 the row, %3 the column,
// %4 the value, %5 the previous row's key.
inline constexpr TextKey kTableTooFewRows{"FileProblemTexts", "TableTooFewRows"};
inline constexpr TextKey kTableTooManyRows{"FileProblemTexts", "TableTooManyRows"};
inline constexpr TextKey kTableNotFinite{"FileProblemTexts", "TableNotFinite"};
inline constexpr TextKey kTableNotIncreasing{"FileProblemTexts", "TableNotIncreasing"};
inline constexpr TextKey kTableNegativeKey{"FileProblemTexts", "TableNegativeKey"};
inline constexpr TextKey kTableNegative{"FileProblemTexts", "TableNegative"};
}  // namespace FileProblemTexts

// The sections that hold the built texts; every language file has each of them.
inline constexpr std::string_view kTextSections[] = {
    "MainTexts",    "RecentTexts",      "ProjTexts",      "BalanceTexts", "SSolveTexts",
    "SweepTexts",   "ResultFieldTexts", "StabilityTexts", "EditTexts",    "PrintTexts",
    "ReportTexts",  "TableTexts",       "PictureTexts",   "DateTexts",    "MessageTexts",
    "FieldTexts",   "AboutTexts",       "HelpTexts",      "FileTexts",    "ControlTexts",
    "SettingTexts", "FileProblemTexts", "SystemTexts"};
