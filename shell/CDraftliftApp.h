// The add-in's application object: the extension framework's view of the
// library, holding the module whose resources the import commands use.
#pragma once

#include <cstdint>

#include "host/KExtBase.h"
#include "host/WinTypes.h"

class CDraftliftApp : public KExtBase {
public:
    // Constant-initialised, so the library entry point may run before any
    // dynamic initialiser of the library.
    constexpr CDraftliftApp() noexcept = default;
    ~CDraftliftApp() override;

    // Keeps word 2 of the framework's block as the resource module.
    bool Initialize(std::uint64_t* block) override;
    virtual int Run();

    HMODULE m_hResource = nullptr;
};

// The one application object, alive for the life of the library.
extern CDraftliftApp theApp;
