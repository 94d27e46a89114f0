#pragma once
// Every message of the archive component, in one place.
namespace install::archive_messages {

inline constexpr const char* kCannotOpenArchive = "Cannot open the compressed file %s";
inline constexpr const char* kCannotReadCount = "Could not read the file header count for the compressed file";
inline constexpr const char* kCorrupt =
    "Could not read the file headers for the compressed file. The Archive file could possible be corrupt";
inline constexpr const char* kCannotWriteHeaders = "Could not write the file headers for the compressed file";
inline constexpr const char* kInvalidHeader = "Tried to add an invalid file header";
inline constexpr const char* kInvalidHeaderIndex = "%d is an invalid TFileHeader index in TFileHeaders.GetFileHeaders";
inline constexpr const char* kUndefinedFile = "Tried to access the %dth file. This file is not defined";
inline constexpr const char* kCannotOpenFile = "Cannot open the file %s";
inline constexpr const char* kCannotCreateFile = "Cannot create the file %s";
inline constexpr const char* kNotInArchive = "The file <%s> was not found in the archive <%s>";
inline constexpr const char* kCompareFailed = "Error comparing file versions in TAmblCompress";
inline constexpr const char* kSizeMismatch =
    "The decompressed file's size does not match with the actual size of the file.  The file is %s";
inline constexpr const char* kCannotSetDate = "Cannot set the date of the file just extracted.";
inline constexpr const char* kNoDiskFile = "Could not open the correct disk file %d";
inline constexpr const char* kNoNewDiskHandler =
    "There was no event handler for the OnNewDisk event, therefore no new disk could be inserted";
inline constexpr const char* kTooLittleSpace = "There is too little space on this disk to operate";
inline constexpr const char* kDiskFull = "The disk is full";
inline constexpr const char* kAborted = "Operation aborted by user";
inline constexpr const char* kNoDestFile = "AddStatus has Nil DestFile";
inline constexpr const char* kZlibError = "error";

// Beyond the format's limits.
inline constexpr const char* kFileTooLarge = "The file %s is too large for the archive";
inline constexpr const char* kArchiveTooLarge = "The archive %s is too large";
inline constexpr const char* kDataMissing = "The archive %s ends before the data of %s";
inline constexpr const char* kAlreadySpanned = "The archive %s is already a set of volumes";
inline constexpr const char* kSfxTooLarge = "The file %s is too large for a self-extracting file";
inline constexpr const char* kSfxAppendFailed =
    "Cannot create the self-extracting exe because %s could not be loaded onto %s";

}  // namespace install::archive_messages
