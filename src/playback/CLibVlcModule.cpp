#include "playback/CLibVlcModule.h"

#include <dlfcn.h>

#include <cstdlib>

CLibVlcModule::~CLibVlcModule()
{
    Unload();
}

bool CLibVlcModule::Load()
{
    if (m_handle)
        return true;
    const char* name = std::getenv("TAVREL_LIBVLC");
    m_handle = dlopen(name && *name ? name : "libvlc.so.5", RTLD_NOW | RTLD_LOCAL);
    return m_handle != nullptr;
}

void CLibVlcModule::Unload()
{
    if (m_handle)
        dlclose(m_handle);
    m_handle = nullptr;
}

void* CLibVlcModule::Symbol(const char* name) const
{
    return m_handle ? dlsym(m_handle, name) : nullptr;
}
