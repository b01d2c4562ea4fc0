#pragma once

namespace quintaro {

// Where the card look sends its choices so that the pictures follow: the picture cache
// in the program, a recorder in tests.
class CardPictureSink {
public:
    virtual ~CardPictureSink() = default;
    // Cuts the cell of card back `back` out of the strip of backs.
    virtual void rebuildBackImage(int back) = 0;
    // Loads the strip of face set `faceSet`.
    virtual void reloadFaceSet(int faceSet) = 0;
};

} // namespace quintaro
