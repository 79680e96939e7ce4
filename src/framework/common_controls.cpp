#include "framework/common_controls.h"

#include "framework/dll_safety.h"
#include "framework/program_path.h"

namespace {

constexpr WORD kCommonControlsManifest = 2;

// The context made from the program's common-controls manifest, released when
// the program ends.
class ActivationContext {
public:
    ActivationContext() {
        const WidePath path = GetProgramPathWide();
        if (!path[0])
            return;
        ACTCTXW description{};
        description.cbSize = sizeof description;
        description.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
        description.lpSource = path.data();
        description.hModule = ::GetModuleHandleW(nullptr);
        description.lpResourceName = MAKEINTRESOURCEW(kCommonControlsManifest);
        m_handle = ::CreateActCtxW(&description);
    }
    ActivationContext(const ActivationContext&) = delete;
    ActivationContext& operator=(const ActivationContext&) = delete;
    ~ActivationContext() {
        if (m_handle != INVALID_HANDLE_VALUE)
            ::ReleaseActCtx(m_handle);
    }
    HANDLE get() const { return m_handle; }

private:
    HANDLE m_handle = INVALID_HANDLE_VALUE;
};

// Loads the library the active context names (from the system's own store,
// never the program's folder) and registers its classes; once.
void InitialiseCommonControls() {
    static const bool initialised = [] {
        HMODULE library = LoadSystemLibrary("comctl32.dll");
        if (!library)
            return false;
        using InitCommonControlsFn = void(WINAPI*)();
        const auto initCommonControls =
            LibraryFunction<InitCommonControlsFn>(library, "InitCommonControls");
        if (initCommonControls)
            initCommonControls();
        return true;
    }();
    static_cast<void>(initialised);
}

} // namespace

CommonControlsScope::CommonControlsScope(bool wanted) {
    if (!wanted)
        return;
    static const ActivationContext context;
    if (context.get() != INVALID_HANDLE_VALUE)
        m_active = ::ActivateActCtx(context.get(), &m_cookie) != FALSE;
    InitialiseCommonControls();
}

CommonControlsScope::~CommonControlsScope() {
    if (m_active)
        ::DeactivateActCtx(0, m_cookie);
}
