// Version resource shared by both programs. Before including this file,
// #define QN_RC_DESCRIPTION, QN_RC_INTERNAL_NAME, QN_RC_ORIGINAL_FILENAME and
// QN_RC_PRODUCT_NAME as quoted strings.
#include <winresrc.h>

#include "version.h"

#define QN_RC_TEXT_(x) #x
#define QN_RC_TEXT(x) QN_RC_TEXT_(x)
#define QN_RC_VERSION_TEXT                                                                        \
    QN_RC_TEXT(QN_VERSION_MAJOR) "." QN_RC_TEXT(QN_VERSION_MINOR) ".0." QN_RC_TEXT(             \
        QN_VERSION_REVISION)

VS_VERSION_INFO VERSIONINFO
FILEVERSION QN_VERSION_MAJOR, QN_VERSION_MINOR, 0, QN_VERSION_REVISION
PRODUCTVERSION QN_VERSION_MAJOR, QN_VERSION_MINOR, 0, QN_VERSION_REVISION
FILEFLAGSMASK VS_FFI_FILEFLAGSMASK
FILEFLAGS 0
FILEOS VOS__WINDOWS32
FILETYPE VFT_APP
FILESUBTYPE VFT2_UNKNOWN
BEGIN
    BLOCK "StringFileInfo"
    BEGIN
        BLOCK "040904B0"
        BEGIN
            VALUE "CompanyName", "Quillon Project\0"
            VALUE "FileDescription", QN_RC_DESCRIPTION "\0"
            VALUE "FileVersion", QN_RC_VERSION_TEXT "\0"
            VALUE "InternalName", QN_RC_INTERNAL_NAME "\0"
            VALUE "OriginalFilename", QN_RC_ORIGINAL_FILENAME "\0"
            VALUE "ProductName", QN_RC_PRODUCT_NAME "\0"
            VALUE "ProductVersion", QN_RC_VERSION_TEXT "\0"
            VALUE "LegalCopyright", "Copyright (C) Quillon Project\0"
        END
    END
    BLOCK "VarFileInfo"
    BEGIN
        VALUE "Translation", 0x409, 1200
    END
END
