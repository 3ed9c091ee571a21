#include "graphics/sprite_registry.h"

#include "graphics/graph.h"

#include <vector>

namespace {

constexpr std::size_t kInitialCapacity = 1000;

std::vector<std::unique_ptr<Sprite>>& slots()
{
    static std::vector<std::unique_ptr<Sprite>> registry;
    return registry;
}

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameNameIgnoringCase(const char* a, const char* b)
{
    for (; *a && *b; ++a, ++b)
        if (lowerAscii(*a) != lowerAscii(*b))
            return false;
    return *a == *b;
}

}  // namespace

void registryEnsure()
{
    if (slots().empty())
        slots().reserve(kInitialCapacity);
}

void registryDeleteAll()
{
    auto& registry = slots();
    for (std::size_t i = registry.size(); i-- > 0;)
        registry[i].reset();
    registry.clear();
    registry.shrink_to_fit();
}

Sprite* graphRegister(std::unique_ptr<Sprite> sprite)
{
    auto& registry = slots();
    Sprite* entered = sprite.get();
    for (auto& slot : registry)
        if (!slot) {
            slot = std::move(sprite);
            return entered;
        }
    if (registry.size() == registry.capacity())
        registry.reserve(registry.capacity() + registry.capacity() / 2 + 1);
    registry.push_back(std::move(sprite));
    return entered;
}

Sprite* graphFindSprite(const char* name)
{
    if (!name)
        return nullptr;
    for (auto& slot : slots())
        if (slot && sameNameIgnoringCase(slot->szName, name))
            return slot.get();
    return nullptr;
}

void graphDeleteSprite(Sprite* sprite)
{
    if (!sprite)
        return;
    for (auto& slot : slots())
        if (slot.get() == sprite) {
            if (sprite == BackBuffer)
                BackBuffer = nullptr;
            slot.reset();
            return;
        }
}
