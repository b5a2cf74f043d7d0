#pragma once

// Names for the numbers of the message table (util/messages.h holds the texts in Korean and
// English). Code refers to a message by its name; the number is what the table is keyed by.
// Captions that a dialog reads as a run of numbers (weekdays, combo entries) are named by their
// first entry.

namespace util::msg {

inline constexpr int kOleInitFailed = 100;

// Parameters and addresses
inline constexpr int kNoSelectablePlc = 50200;
inline constexpr int kStartAfterEnd = 50201;
inline constexpr int kAddressRange = 50202; // %d ~ %d
inline constexpr int kListFull = 50300; // at most %d entries
inline constexpr int kCannotOpenFile = 50401;
inline constexpr int kCannotWriteFile = 50402; // path

// Screens and the project window
inline constexpr int kScreenCaption = 50500;
inline constexpr int kDeleteActiveScreen = 50501; // question
inline constexpr int kDeleteSelectedScreens = 50502;
inline constexpr int kProjectWindowTitle = 50600;
inline constexpr int kRestartForResources = 50900;

// Alarms
inline constexpr int kAddressCaption = 51200;
inline constexpr int kConditionCaption = 51201;
inline constexpr int kAlarmMessageCaption = 51202;
inline constexpr int kBuzzerCaption = 51203;
inline constexpr int kOff = 51210;
inline constexpr int kOn = 51211;
inline constexpr int kBuzzerNotUsed = 51220;
inline constexpr int kBuzzerSeconds = 51221;
inline constexpr int kBuzzerContinuous = 51222;
inline constexpr int kNoAlarmMessage = 51230;
inline constexpr int kMessageDisplayCaption = 51231;

// Calculations (captions 51400-51406, conditions 51410-51415)
inline constexpr int kCalcCaptionFirst = 51400;
inline constexpr int kCalcConditionFirst = 51410;
// Block transfers (captions 51500-51505, conditions 51510-51515)
inline constexpr int kTransCaptionFirst = 51500;
inline constexpr int kTransConditionFirst = 51510;
// Reservations (captions 51600-51605, conditions 51610-51612, repeats 51620-51623, weekdays
// 51630-51636)
inline constexpr int kReserveCaptionFirst = 51600;
inline constexpr int kReserveConditionFirst = 51610;
inline constexpr int kReserveRepeatFirst = 51620;
inline constexpr int kWeekdayFirst = 51630;
inline constexpr int kTwoTexts = 51641; // %s%s
inline constexpr int kNoWeekday = 51650;

// Zoom box: 200 %, 100 %, 50 %, fit
inline constexpr int kZoomFirst = 51700;
inline constexpr int kZoomLast = 51703;

// Image library
inline constexpr int kImageCategoryFirst = 51800; // user, lamp/button, rotation, move
inline constexpr int kNoFileName = 51810;
inline constexpr int kImageIdTaken = 51811; // question
inline constexpr int kReferenceCountCaption = 51812;
inline constexpr int kNotBitmapFile = 51813;
inline constexpr int kImageTooLarge = 51814; // %d x %d
inline constexpr int kDeleteImage = 51815; // question
inline constexpr int kScreenNameCaption = 51816;
inline constexpr int kNumberCaption = 51817;

// Function keys (functions 51900-51905, arrow keys 51911-51914)
inline constexpr int kKeyFunctionFirst = 51900;
inline constexpr int kFunctionKeyCaption = 51910;
inline constexpr int kArrowKeyFirst = 51911;
inline constexpr int kApplyToAllScreens = 51915; // question
inline constexpr int kValueCaption = 51916;

// Project files
inline constexpr int kNoProjectName = 52000;
inline constexpr int kFileNotReadable = 52001;
inline constexpr int kFileTooNew = 52002; // version %d.%02d

// Communication settings
inline constexpr int kSlaveNumberCaption = 52100;
inline constexpr int kUnused = 52101;
inline constexpr int kOwnStationKept = 52102;
inline constexpr int kPlcTypeDiffers = 52103; // question
inline constexpr int kAddressesReset = 52104; // how many

// Screens
inline constexpr int kScreenNameLength = 52200;
inline constexpr int kScreenIdTaken = 52201;
inline constexpr int kScreenNumberCaption = 52202;
inline constexpr int kIdOutOfRange = 52300;
inline constexpr int kTagLimit = 52301;
inline constexpr int kMemoryFull = 52302;
inline constexpr int kNoRoomToDistribute = 52303;
inline constexpr int kBadAddress = 52350;
inline constexpr int kAmbiguousAddress = 52351; // typed, two readings, their typed forms

// Grid styles: dots, solid line, dotted line
inline constexpr int kGridStyleFirst = 52500;

// Messages and values
inline constexpr int kBadMessageTable = 52600;
inline constexpr int kBadValue = 52601;
inline constexpr int kDuplicateValue = 52602;
inline constexpr int kScreenNumberTaken = 52603;
inline constexpr int kNoScreenToEdit = 52604;
inline constexpr int kNoStringSelected = 52606;
inline constexpr int kStringIdTaken = 52607;
inline constexpr int kValueColumn = 52609;
inline constexpr int kMessageColumn = 52610;
inline constexpr int kNoStringEntered = 52613;
inline constexpr int kStringIdUnknown = 52614;
inline constexpr int kTagOffDisplay = 52630; // display %d x %d, tag %d x %d at (%d, %d)
inline constexpr int kTransSizeRange = 52631; // 1 ~ %d words
inline constexpr int kTextNotInCodePage = 52632;
inline constexpr int kTextTooLong = 52633; // at most %d bytes, this one %d
inline constexpr int kNotStationList = 52634; // %s
inline constexpr int kFontNotUsable = 52635;
// The panel preview's refusals of a value, a password or a screen
inline constexpr int kValueUnreadable = 52640;
inline constexpr int kValueOutOfRange = 52641;
inline constexpr int kValueOutOfRangeOf = 52642; // low, high
inline constexpr int kWrongPassword = 52643;
inline constexpr int kNoSuchScreen = 52644;

// Point captions
inline constexpr int kXCaption = 53020;
inline constexpr int kYCaption = 53021;
inline constexpr int kChannelCaption = 53022;
inline constexpr int kStationCaption = 53023;
inline constexpr int kAddressValueCaption = 53024;
inline constexpr int kPasswordCaption = 53029;
inline constexpr int kSizeCaption = 53032;
inline constexpr int kRadixCaption = 53033;
inline constexpr int kSignedCaption = 53038;
inline constexpr int kToggle = 53048;
inline constexpr int kOnWhilePressed = 53049;

// Panel communication: a port that cannot be opened (device, reason) and its reasons
inline constexpr int kPortOpenFailed = 53800; // device, reason
inline constexpr int kPortNoDevice = 53801;
inline constexpr int kPortNoPermission = 53802;
inline constexpr int kPortBusy = 53803;
inline constexpr int kPortNotSerial = 53804;
inline constexpr int kPortSystemError = 53805; // the system's text
// Font download
inline constexpr int kNotFontFile = 53810; // path
inline constexpr int kFontDownloaded = 53811; // path
// Program folder configuration (every argument a text)
inline constexpr int kIniCountTooLarge = 53830; // file, section, key, value, most kept
inline constexpr int kIniCountNegative = 53831; // file, section, key, value
inline constexpr int kIniSizeOutOfRange = 53832; // file, section, key, value, min, max, used
inline constexpr int kPlcIniMissing = 53833; // path
inline constexpr int kPlcIniNoList = 53834; // path
inline constexpr int kPlcIniBadEntry = 53835; // path, section, key, value
inline constexpr int kDriverNotLoadable = 53836; // PLC name, driver path, reason
inline constexpr int kDriverUnreadable = 53837;
inline constexpr int kDriverNotLibrary = 53838;
inline constexpr int kDriverTruncated = 53839; // size, size needed
inline constexpr int kDriverTooLarge = 53840; // largest size
// Entry checks of the edit fields
inline constexpr int kIntegerRange = 53850; // least, greatest (as texts)
inline constexpr int kMinAboveMax = 53851;
// Why a project file cannot be opened (after kFileNotReadable)
inline constexpr int kFileNamed = 53860; // path
inline constexpr int kFileMissing = 53861;
inline constexpr int kFileNoPermission = 53862;
inline constexpr int kFileIsFolder = 53863;
inline constexpr int kNotProjectFile = 53864;
inline constexpr int kFileCutShort = 53865; // size, size the header gives
inline constexpr int kFileDamagedAt = 53866; // byte
inline constexpr int kFileTooLarge = 53867; // largest size

// Cross-reference, address replace and CSV tables (every argument a text)
inline constexpr int kXrefTagUser = 53900; // screen, tag number, kind, "x, y"
inline constexpr int kXrefKeyUser = 53901; // screen, key title
inline constexpr int kXrefAlarmUser = 53902; // alarm number
inline constexpr int kXrefCalcUser = 53903; // calculation number, role
inline constexpr int kXrefTransferUser = 53904; // transfer number, role
inline constexpr int kXrefReservationUser = 53905; // reservation number, role
inline constexpr int kXrefParameterUser = 53906; // role
inline constexpr int kXrefRolePoint = 53910; // the roles, in the order of xref::UserRole
inline constexpr int kXrefRoleX = 53911;
inline constexpr int kXrefRoleY = 53912;
inline constexpr int kXrefRoleTarget = 53913;
inline constexpr int kXrefRoleOperand1 = 53914;
inline constexpr int kXrefRoleOperand2 = 53915;
inline constexpr int kXrefRoleResult = 53916;
inline constexpr int kXrefRoleStart = 53917;
inline constexpr int kXrefRolePlc = 53918;
inline constexpr int kXrefRolePanel = 53919;
inline constexpr int kXrefRoleScreenChange = 53920;
inline constexpr int kXrefRoleScreenNumber = 53921;
inline constexpr int kXrefRoleShows = 53922;
inline constexpr int kReplaceBadRange = 53930; // range text
inline constexpr int kReplaceRefused = 53931; // old address, new address, user
inline constexpr int kReplaceNothing = 53932; // range text
inline constexpr int kReplaceStale = 53933;
inline constexpr int kReplaceRefusedCount = 53934; // count
inline constexpr int kReplaceSkipRefused = 53935; // refused count, accepted count
inline constexpr int kReplaceNoRange = 53936;
inline constexpr int kCsvUnclosedQuote = 53950; // row
inline constexpr int kCsvMissingColumn = 53951; // column
inline constexpr int kCsvNoEntry = 53952; // row, column, number
inline constexpr int kCsvCodePage = 53953; // row, column, code page
inline constexpr int kCsvTooLong = 53954; // row, column, bytes, most bytes
inline constexpr int kCsvDriverRefuses = 53955; // row, column, address
inline constexpr int kCsvBadValue = 53956; // row, column, value
inline constexpr int kCsvNoTag = 53957; // row, screen, tag number
inline constexpr int kCsvAreaFull = 53958; // bytes, capacity
inline constexpr int kCsvTwice = 53959; // row, column, value
inline constexpr int kCsvUnknownTable = 53960; // table name
inline constexpr int kXrefNoPoint = 53961; // point text

} // namespace util::msg
