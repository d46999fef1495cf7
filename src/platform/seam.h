#pragma once
// A platform service that tests can replace. The program calls the seam as it
// would call the function it stands for; a test hands it a function of its
// own with replace(), and replace({}) brings back the real one. Every service
// of this folder that a test replaces is one of these, declared in its header
// as `extern Seam<signature> Name;` and defined with its real function.

#include <functional>
#include <utility>

namespace platform {

template <typename Signature> class Seam;

template <typename Result, typename... Args> class Seam<Result(Args...)>
{
public:
    using Function = std::function<Result(Args...)>;

    explicit Seam(Result (*real)(Args...)) : m_real(real) {}
    Seam(const Seam &) = delete;
    Seam &operator=(const Seam &) = delete;

    Result operator()(Args... args) const
    {
        if (m_replacement)
            return m_replacement(std::forward<Args>(args)...);
        return m_real(std::forward<Args>(args)...);
    }

    // An empty function brings back the real one.
    void replace(Function replacement) { m_replacement = std::move(replacement); }

private:
    Result (*const m_real)(Args...);
    Function m_replacement;
};

} // namespace platform
