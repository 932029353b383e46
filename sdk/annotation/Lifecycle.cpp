// The annotation lifecycle: version queries, the temporary-creation flag,
// creation by kind, finishing, the symbol character and clearing the scene.
#include <array>
#include <cstdint>
#include <utility>

#include <boost/make_shared.hpp>
#include <boost/shared_ptr.hpp>

#include "draftlift/draftlift.h"
#include "host/kscene/KMBD.h"
#include "host/kscene/KScene.h"
#include "sdk/Handles.h"
#include "sdk/ListedObject.h"
#include "sdk/annotation/Annotations.h"

namespace {

constexpr char kUndoLabel[] = "Import MBD";

// The only state the interface keeps between calls.
bool g_createTemporary = false;

using Factory = boost::shared_ptr<KMBDBase> (*)();

template <class Kind>
boost::shared_ptr<KMBDBase> Make() {
    return boost::make_shared<Kind>();
}

// Indexed by KSDKMbdKind.
constexpr std::array<Factory, 8> kFactories = {
    &Make<KMBDTicket>,          &Make<KMBDDatum>, &Make<KMBDDatumTarget>,     &Make<KMBD2PtDimension>,
    &Make<KMBDAngleDimension>,  &Make<KMBDNote>,  &Make<KMBDRadiusDimension>, &Make<KMBDDiameterDimension>,
};

}  // namespace

extern "C" {

KSDK_API int32_t KSDKGetMbdVersion(void) { return KSDK_MBD_VERSION_MAJOR; }
KSDK_API int32_t KSDKGetMbdMinorVersion(void) { return KSDK_MBD_VERSION_MINOR; }

KSDK_API bool KSDKSetCreateTempMbd(bool temporary) {
    return std::exchange(g_createTemporary, temporary);
}

KSDK_API bool KSDKGetCreateTempMbd(void) { return g_createTemporary; }

// Failures of the constructor or the scene reach the caller.
KSDK_API KSDKHandle KSDKCreateMbd(int32_t kind) {
    KScene* scene = KD::GetScene();
    if (scene == nullptr) return nullptr;
    const auto index = static_cast<std::uint32_t>(kind);
    if (index >= kFactories.size()) return nullptr;
    const boost::shared_ptr<KMBDBase> annotation = kFactories[index]();
    if (g_createTemporary) {
        scene->AddUnsavableObject(annotation);
    } else {
        scene->AddObject(annotation);
    }
    return sdk::annotation::HandleOf(annotation.get());
}

// The undo point is set even for an address that is no annotation of the scene.
KSDK_API void KSDKFinishMbd(KSDKHandle annotation) {
    if (annotation == nullptr) return;
    KScene* scene = KD::GetScene();
    if (scene == nullptr) return;
    sdk::Guarded([&] {
        if (const auto held = sdk::ListedObject<KMBDBase>(*scene, annotation)) scene->ObjectModified(held);
        KD::SetUndoPoint(kUndoLabel);
    });
}

KSDK_API char KSDKGetSymbolChar(int32_t symbol) {
    return KMBDBase::GetNonUnicodeSymbol(static_cast<KMBDBase::MBDSymbol>(symbol));
}

KSDK_API bool KSDKClearOrvantaDatabase(void) { return KD::ClearOrvantaDB(); }

}  // extern "C"
