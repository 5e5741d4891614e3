// A foreground as scrolling sees it: something that hands out the lines to scroll.
#pragma once

namespace bndx {

class LineSource {
public:
    // The text for the next scroll, valid until the next call on the same source.
    virtual const char* GetNextLine() = 0;

protected:
    ~LineSource() = default;
};

} // namespace bndx
