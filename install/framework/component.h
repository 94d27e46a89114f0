#pragma once
// The component model the installer's classes rest on: a component has a name and an owner
// that destroys it with itself (a form owns what is placed on it).
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace install {

class TComponent {
public:
    explicit TComponent(TComponent* owner = nullptr) : owner_(owner) {}
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;
    virtual ~TComponent() {
        // Owned components go in reverse order of creation, as a form frees them.
        while (!components_.empty()) components_.pop_back();
    }

    [[nodiscard]] const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    [[nodiscard]] TComponent* Owner() const { return owner_; }
    [[nodiscard]] const std::vector<std::unique_ptr<TComponent>>& Components() const {
        return components_;
    }

    // Constructs a component owned by this one.
    template <typename T, typename... Args>
    T& Create(Args&&... args) {
        auto component = std::make_unique<T>(this, std::forward<Args>(args)...);
        T& result = *component;
        components_.push_back(std::move(component));
        return result;
    }

private:
    TComponent* owner_;
    std::string name_;
    std::vector<std::unique_ptr<TComponent>> components_;
};

}  // namespace install
