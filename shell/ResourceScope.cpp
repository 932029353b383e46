#include "host/Afx.h"
#include "shell/ResourceScope.h"

ResourceScope::ResourceScope(HMODULE own) : m_held(AfxGetModuleState()->m_hCurrentResourceHandle) {
    if (own != nullptr) AfxGetModuleState()->m_hCurrentResourceHandle = own;
}

// A null held handle is never put back: there was nothing to restore.
ResourceScope::~ResourceScope() {
    if (m_held != nullptr) AfxGetModuleState()->m_hCurrentResourceHandle = m_held;
}
