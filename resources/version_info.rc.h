// windres (like rc.exe) skips resource statements in files whose names end in
// ".h", so the version resource itself lives in version_info.rc; this name
// forwards to it. Define QN_RC_DESCRIPTION, QN_RC_INTERNAL_NAME,
// QN_RC_ORIGINAL_FILENAME and QN_RC_PRODUCT_NAME before including.
#include "resources/version_info.rc"
