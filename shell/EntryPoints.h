// The host's entry points into the add-in.
#pragma once

#include "draftlift/draftlift.h"

#ifdef __cplusplus
extern "C" {
#endif

KSDK_API int m_main(void);
// The host version the add-in was built for.
KSDK_API int m_version(void);
KSDK_API int m_open(void);
// The import command.
KSDK_API int m_Draftlift(void);
KSDK_API int m_DraftliftFromMCAM(void);

#ifdef __cplusplus
}
#endif
