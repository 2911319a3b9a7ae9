#pragma once
// What reading one page's text lines gave. The readers are plain functions of the lines and
// of what they need besides, so they run from memory; the page classes fetch and hand over.
namespace kujimate {

template <typename R>
struct PageReading {
    bool Read = false;         // Record holds what the page gave
    bool Unpublished = false;  // the page came, but the draw was not on it
    R Record{};
};

}  // namespace kujimate
