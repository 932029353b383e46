// Resource ids of the add-in.
#pragma once

#define IDS_ADDIN_NAME 1
#define IDS_IMPORT_COMMAND 2
#define IDB_IMPORT_SMALL 18001
#define IDB_IMPORT_LARGE 18002
#define IDP_IMPORT_SMALL 18003
#define IDP_IMPORT_LARGE 18004
