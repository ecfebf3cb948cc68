#pragma once

namespace orebell {

// A rectangle in twips that tells its owner when it moves: controls and windows are placed
// alike. Owner provides placementChanged(), called once per move that changes anything.
template <class Owner> class Placement {
public:
    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }
    void setLeft(int twips) { move(twips, top_, width_, height_); }
    void setTop(int twips) { move(left_, twips, width_, height_); }
    void setWidth(int twips) { move(left_, top_, twips, height_); }
    void setHeight(int twips) { move(left_, top_, width_, twips); }
    void move(int left, int top) { move(left, top, width_, height_); }
    void move(int left, int top, int width, int height)
    {
        if (left == left_ && top == top_ && width == width_ && height == height_)
            return;
        left_ = left;
        top_ = top;
        width_ = width;
        height_ = height;
        static_cast<Owner*>(this)->placementChanged();
    }

private:
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
};

} // namespace orebell
