#pragma once

// A point of the picture in twips.
struct PicturePoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const PicturePoint&, const PicturePoint&) = default;
};
