#pragma once

#include <functional>
#include <memory>

// How the program builds one of its desktop seams: the real implementation unless a test has installed a
// factory of its own. GUI thread only.
template <typename Interface, typename Real>
class SeamFactory
{
public:
    using Factory = std::function<std::unique_ptr<Interface>()>;

    static std::unique_ptr<Interface> create() { return factory() ? factory()() : std::make_unique<Real>(); }
    // An empty function restores the real implementation.
    static void set(Factory f) { factory() = std::move(f); }

private:
    static Factory &factory()
    {
        static Factory f;
        return f;
    }
};
