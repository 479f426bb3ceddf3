// The one way the program's replaceable behaviour is swapped: a Seam holds the real function
// (a message box, a question, a file or print dialog) and the one in use. Tests replace it to
// record what would have been shown or to answer for a user; the headless renderer replaces the
// message seam to write to stderr. An empty function puts the real one back.
#pragma once

#include <functional>
#include <utility>

template <typename Signature>
class Seam;

template <typename Result, typename... Args>
class Seam<Result(Args...)> {
  public:
    using Function = std::function<Result(Args...)>;

    explicit Seam(Function real) : real_(std::move(real)), current_(real_) {}

    // Installs `function` (empty: the real one) and returns the one it replaces.
    Function Replace(Function function) {
        return std::exchange(current_, function ? std::move(function) : real_);
    }

    // Calls the function in use. It is copied first, so that it may replace itself.
    Result operator()(Args... args) const {
        const Function function = current_;
        return function(std::forward<Args>(args)...);
    }

  private:
    Function real_;
    Function current_;
};

// Replaces a seam's function for the lifetime of this object.
template <typename SeamType>
class ScopedReplacement {
  public:
    ScopedReplacement(SeamType& seam, typename SeamType::Function function)
        : seam_(seam), previous_(seam.Replace(std::move(function))) {}
    ~ScopedReplacement() { seam_.Replace(std::move(previous_)); }
    ScopedReplacement(const ScopedReplacement&) = delete;
    ScopedReplacement& operator=(const ScopedReplacement&) = delete;

  private:
    SeamType& seam_;
    typename SeamType::Function previous_;
};
