#pragma once

#include "board/slideshow/SlideshowState.h"

#include <QPointer>

class BoardRandom;
class QWidget;
class TPicShow;

// The board's slideshow: lists the picture folder once, keeps the next picture decoded in
// the control, and on every tick of the window's 9-second timer draws a style and starts
// the transition. The state lives in the main window; this class only acts on it. Every
// entry point may throw BoardError for the default error report, and is to be called
// through RunHandler.
class Slideshow
{
public:
    enum class Phase { Empty, Primed, Running, Showing };

    // Sets the control up as the board shows it and becomes its OnStart handler.
    // `dialogParent` owns the warning box for a folder without pictures.
    Slideshow(TPicShow &view, BoardRandom &random, SlideshowState &state,
              QWidget *dialogParent = nullptr);
    ~Slideshow();
    Slideshow(const Slideshow &) = delete;
    Slideshow &operator=(const Slideshow &) = delete;

    // The slideshow start: seeds the random source, empties the list and lists the folder
    // "images" beside the program.
    void Start(const QString &programFolder);

    void CreateImageList(const QString &folder);
    void LoadNextImage();
    void ShowNextImage();
    // The timer's tick: a style from 0 to 149, then the next picture.
    void TimerTimer();
    // The control's OnStart: the picture after the one coming in is chosen and read.
    void PicShowStart();

    Phase phase() const;

private:
    QPointer<TPicShow> m_view;
    BoardRandom &m_random;
    SlideshowState &m_state;
    QPointer<QWidget> m_dialogParent;
};
