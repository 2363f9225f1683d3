// What a report reads of a calculator window: the number in a box, by the box's control id.
#pragma once

class BoxReader {
public:
    virtual ~BoxReader() = default;
    // The box's current text read as a number; text that holds no number reads as 0.
    virtual double GetValue(int id) const = 0;
};
