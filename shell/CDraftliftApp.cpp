#include "shell/CDraftliftApp.h"

CDraftliftApp theApp;

CDraftliftApp::~CDraftliftApp() = default;

bool CDraftliftApp::Initialize(std::uint64_t* block) {
    m_hResource = reinterpret_cast<HMODULE>(static_cast<std::uintptr_t>(block[2]));
    return true;
}

int CDraftliftApp::Run() { return 0; }
