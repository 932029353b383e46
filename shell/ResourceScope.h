// Makes the add-in's resources current for the life of a command and puts the
// previous ones back afterwards.
#pragma once

#include "host/WinTypes.h"

class ResourceScope {
public:
    explicit ResourceScope(HMODULE own);
    ~ResourceScope();
    ResourceScope(const ResourceScope&) = delete;
    ResourceScope& operator=(const ResourceScope&) = delete;

private:
    HINSTANCE m_held;
};
