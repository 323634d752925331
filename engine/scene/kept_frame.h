#pragma once

// The motion trails' previous frame on drivers that do not promise to keep the back buffer
// across a swap: the finished frame is copied into a texture and laid back, dimmed, at the start
// of the next one. Where the window system promises the buffer is kept (buffer age 1) it only
// dims what is there.
class KeptFrame {
public:
    virtual ~KeptFrame() = default;

    // Start of a frame's trails, overlay projection current: the previous frame darkened by the
    // factor 1 - alpha (alpha 1 or more: black), whatever the back buffer now holds; black when
    // no previous frame is known. Size in pixels. Restores the GL state it changes.
    void fadeBack(float alpha, int width, int height);

    // End of the frame, before the swap: keeps the finished frame when the next fadeBack will
    // need it. Does nothing in frames without trails.
    void keep();

    // Before fadeBack: whether the window system promises that the back buffer still holds the
    // previous frame. Not promised until said.
    void setBackBufferKept(bool kept) { m_backBufferKept = kept; }

    // Deletes the texture; the next frame with trails starts from black.
    void release();

    // Whether the last fadeBack drew from the kept copy rather than the back buffer.
    bool copying() const { return m_copying; }

private:
    unsigned int m_texture = 0;
    int m_textureWidth = 0;
    int m_textureHeight = 0;
    int m_width = 0;
    int m_height = 0;
    bool m_copying = false;
    bool m_pending = false;
    bool m_holdsFrame = false;
    bool m_backBufferKept = false;
};
