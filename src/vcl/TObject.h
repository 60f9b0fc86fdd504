#pragma once
// The root of every framework object: a virtual destructor, and the two hooks that run
// around construction and destruction while the whole object is still intact (C++
// destructors run derived parts first, so work that needs the complete object, such as a
// form's OnDestroy, happens in BeforeDestruction).

namespace vcl {

class TObject {
public:
    virtual ~TObject() = default;
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;

    // Called by creators once the most derived constructor has finished.
    virtual void AfterConstruction() {}
    // Called by Free before the destructor runs.
    virtual void BeforeDestruction() {}

    // Destroys an object created with new: BeforeDestruction, then delete. Null is fine.
    static void Free(TObject* object) {
        if (!object) return;
        object->BeforeDestruction();
        delete object;
    }
};

}  // namespace vcl
