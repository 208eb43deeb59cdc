#pragma once

#include <type_traits>

// The video library, loaded when the program runs rather than linked, so that
// the player still starts (without video) on a machine that lacks it.
class CLibVlcModule {
public:
    CLibVlcModule() = default;
    ~CLibVlcModule();
    CLibVlcModule(const CLibVlcModule&) = delete;
    CLibVlcModule& operator=(const CLibVlcModule&) = delete;

    // Loads the module named by TAVREL_LIBVLC, else "libvlc.so.5". True when loaded.
    bool Load();
    void Unload();
    bool IsLoaded() const { return m_handle != nullptr; }

    // The entry point of that name with the type `Fn`. An entry point the
    // module lacks becomes a stand-in that does nothing and returns a
    // zero value, so a partial library degrades instead of crashing.
    template <typename Fn>
    Fn Entry(const char* name) const
    {
        void* address = Symbol(name);
        return address ? reinterpret_cast<Fn>(address) : Absent<Fn>::Call;
    }

private:
    template <typename Fn>
    struct Absent;
    template <typename R, typename... Args>
    struct Absent<R (*)(Args...)> {
        static R Call(Args...)
        {
            if constexpr (!std::is_void_v<R>)
                return R{};
        }
    };

    void* Symbol(const char* name) const;

    void* m_handle = nullptr;
};

// Calls the library function `fn` of `module` by its own name, typed by its
// declaration in <vlc/vlc.h> (which is never linked against).
#define VLC_ENTRY(module, fn) ((module).Entry<decltype(&fn)>(#fn))
