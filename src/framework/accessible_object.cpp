#include "framework/accessible_object.h"

#include "framework/dll_safety.h"
#include "framework/shell_com.h"

#include <oleacc.h>

#include <atomic>
#include <memory>

namespace {

using CreateStdAccessibleObjectFn = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);
using LresultFromObjectFn = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);
using SysAllocStringLenFn = BSTR(WINAPI*)(const OLECHAR*, UINT);

// The libraries' entry points, looked up once; null when missing.
struct AccessibilityRuntime {
    CreateStdAccessibleObjectFn createStandard = nullptr;
    LresultFromObjectFn toResult = nullptr;
    SysAllocStringLenFn allocString = nullptr;

    AccessibilityRuntime() {
        HMODULE oleacc = LoadSystemLibrary("oleacc.dll");
        HMODULE oleaut = LoadSystemLibrary("oleaut32.dll");
        if (!oleacc || !oleaut)
            return;
        createStandard =
            LibraryFunction<CreateStdAccessibleObjectFn>(oleacc, "CreateStdAccessibleObject");
        toResult = LibraryFunction<LresultFromObjectFn>(oleacc, "LresultFromObject");
        allocString = LibraryFunction<SysAllocStringLenFn>(oleaut, "SysAllocStringLen");
    }
    bool Usable() const { return createStandard && toResult && allocString; }
};

const AccessibilityRuntime& Runtime() {
    static const AccessibilityRuntime runtime;
    return runtime;
}

bool IsSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

// The platform's object with some answers replaced; everything else passes
// through. It lives as long as its clients hold it (COM reference counting).
// It offers no other interface of the platform's object: from one of those, a
// query for IAccessible would lead to that object instead of this one (clients
// find the window and the children through IAccessible alone).
class AccessibleOverride final : public IAccessible {
public:
    AccessibleOverride(IAccessible* standard, const AccessibleFacts& facts)
        : m_standard(standard), m_name(facts.name), m_role(facts.role),
          m_description(facts.description) {}
    ~AccessibleOverride() { m_standard->Release(); }
    AccessibleOverride(const AccessibleOverride&) = delete;
    AccessibleOverride& operator=(const AccessibleOverride&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object)
            return E_POINTER;
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) ||
            iid == __uuidof(IAccessible)) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_references; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --m_references;
        if (left == 0)
            delete this; // created by AnswerAccessibleObject, owned by its references
        return left;
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        return m_standard->GetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return m_standard->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return m_standard->GetIDsOfNames(iid, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags,
                                     DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argument) override {
        return m_standard->Invoke(id, iid, locale, flags, params, result, exception, argument);
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (IsSelf(child) && !m_name.empty())
            return Answer(m_name, name);
        return m_standard->get_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        if (IsSelf(child) && !m_description.empty())
            return Answer(m_description, description);
        return m_standard->get_accDescription(child, description);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!IsSelf(child) || m_role == 0)
            return m_standard->get_accRole(child, role);
        if (!role)
            return E_INVALIDARG;
        role->vt = VT_I4;
        role->lVal = m_role;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return m_standard->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        return m_standard->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return m_standard->get_accChild(child, object);
    }
    // Unavailable while disabled: the platform's object tells that itself.
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return m_standard->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return m_standard->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return m_standard->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return m_standard->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return m_standard->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
        return m_standard->get_accFocus(child);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return m_standard->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return m_standard->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
        return m_standard->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override {
        return m_standard->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        return m_standard->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
        return m_standard->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return m_standard->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return m_standard->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return m_standard->put_accValue(child, value);
    }

private:
    // The text in a new string of the platform's kind, from the ANSI code page.
    static HRESULT Answer(const std::string& text, BSTR* out) {
        if (!out)
            return E_INVALIDARG;
        const int length = static_cast<int>(text.size());
        const int size = ::MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
        *out = Runtime().allocString(nullptr, static_cast<UINT>(size > 0 ? size : 0));
        if (!*out)
            return E_OUTOFMEMORY;
        if (size > 0)
            ::MultiByteToWideChar(CP_ACP, 0, text.data(), length, *out, size);
        return S_OK;
    }

    std::atomic<ULONG> m_references{1};
    IAccessible* m_standard;
    std::string m_name;
    long m_role;
    std::string m_description;
};

} // namespace

bool AnswerAccessibleObject(HWND window, WPARAM wParam, LPARAM lParam, const AccessibleFacts& facts,
                            LRESULT& result) {
    if (static_cast<LONG>(lParam) != OBJID_CLIENT)
        return false;
    const AccessibilityRuntime& runtime = Runtime();
    if (!runtime.Usable())
        return false;
    // The object is handed over through COM, which this thread may not have joined yet.
    EnsureShellCom();
    IAccessible* standard = nullptr;
    if (FAILED(runtime.createStandard(window, OBJID_CLIENT, __uuidof(IAccessible),
                                      reinterpret_cast<void**>(&standard))) ||
        !standard)
        return false;
    auto answer = std::make_unique<AccessibleOverride>(standard, facts);
    // The client receives its own reference; ours ends here. Where the object
    // cannot be handed over, the platform's default answer stands.
    result = runtime.toResult(__uuidof(IAccessible), wParam, answer.get());
    answer.release()->Release();
    return result >= 0;
}
