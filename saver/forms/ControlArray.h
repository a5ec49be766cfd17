// Control arrays: controls of one kind and one name told apart by an index, whose events carry
// that index to the form's handler.
#pragma once

#include <map>
#include <memory>

namespace velmora::forms {

template <typename ControlType> class ControlArray {
public:
    // Makes element index from the given arguments and returns it; an index is made once.
    template <typename... Args> ControlType& load(int index, Args&&... args) {
        auto& slot = elements_[index];
        if (!slot) {
            slot = std::make_unique<ControlType>(std::forward<Args>(args)...);
        }
        return *slot;
    }

    ControlType& operator()(int index) { return *elements_.at(index); }
    bool contains(int index) const { return elements_.contains(index); }

    template <typename Visit> void forEach(Visit visit) {
        for (auto& [index, element] : elements_) {
            visit(index, *element);
        }
    }

private:
    std::map<int, std::unique_ptr<ControlType>> elements_;
};

} // namespace velmora::forms
