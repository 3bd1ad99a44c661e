#pragma once

// Shows the hourglass over every window of the program for as long as it lives, however the
// work it covers ends. Guards nest: the cursor comes back when the outermost one ends.
class THourglass {
public:
    THourglass();
    ~THourglass();
    THourglass(const THourglass&) = delete;
    THourglass& operator=(const THourglass&) = delete;
};
