#include "board/slideshow/Slideshow.h"

#include "board/BoardRandom.h"
#include "board/slideshow/PictureDecoder.h"
#include "board/slideshow/SlideshowFiles.h"
#include "controls/picshow/TPicShow.h"
#include "platform/Messages.h"
#include "resources/Resources.h"

using namespace Qt::Literals::StringLiterals;

namespace {

// The board's settings of the control; the others keep its defaults.
void ConfigureView(TPicShow &view)
{
    view.SetBevelOuter(TPicShow::bvRaised);
    view.SetBevelInner(TPicShow::bvLowered);
    view.SetBevelWidth(2);
    view.SetBgMode(PicShowFrames::bmStretched);
    view.SetBgPicture(QImage(Resources::Path(u"slideshow/Backdrop.jpg"_s)));
    view.SetCenter(true);
    view.SetStretch(true);
    view.SetStyle(64);
}

} // namespace

Slideshow::Slideshow(TPicShow &view, BoardRandom &random, SlideshowState &state,
                     QWidget *dialogParent)
    : m_view(&view), m_random(random), m_state(state), m_dialogParent(dialogParent)
{
    ConfigureView(view);
    view.OnStart = [this] { PicShowStart(); };
}

Slideshow::~Slideshow()
{
    if (m_view)
        m_view->OnStart = nullptr;
}

void Slideshow::Start(const QString &programFolder)
{
    m_random.Randomize();
    m_state.ImageFiles.clear();
    CreateImageList(SlideshowFiles::ImagesFolder(programFolder));
}

void Slideshow::CreateImageList(const QString &folder)
{
    if (folder == m_state.ImageFolder)
        return;
    const QStringList names = SlideshowFiles::ListPictures(
        folder, SlideshowFiles::FileMask(SlideshowFiles::RegisteredFormats()));
    if (names.isEmpty()) {
        Messages::Show(u"Warning"_s, SlideshowFiles::NoPicturesText(folder),
                       Messages::Icon::Warning, m_dialogParent, Messages::Button::Cancel);
        return;
    }
    m_state.ImageFiles = names;
    m_state.ImageFolder = SlideshowFiles::WithoutTrailingSeparator(folder);
    LoadNextImage();
}

void Slideshow::LoadNextImage()
{
    m_state.NextImage.clear();
    const std::optional<QString> name = SlideshowFiles::PickNextImage(
        m_state.ImageFiles, m_state.CurrentImage, [this](int n) { return m_random.Next(n); });
    if (!name)
        return;
    // Named before the load, so that after a failed load NextImage names the failed file.
    m_state.NextImage = *name;
    const QImage picture =
        PictureDecoder::DecodePicture(SlideshowFiles::PicturePath(m_state.ImageFolder, *name));
    if (m_view)
        m_view->SetPicture(picture);
}

void Slideshow::ShowNextImage()
{
    if (m_state.ImageFiles.isEmpty() || !m_view)
        return;
    if (m_view->TransitionRunning())
        m_view->StopTransition();
    m_state.CurrentImage = m_state.NextImage;
    if (!m_state.CurrentImage.isEmpty() && !m_view->TransitionRunning())
        m_view->StartTransition();
}

void Slideshow::TimerTimer()
{
    if (m_view)
        m_view->SetStyle(m_random.Next(150));
    ShowNextImage();
}

void Slideshow::PicShowStart()
{
    LoadNextImage();
}

Slideshow::Phase Slideshow::phase() const
{
    if (m_state.ImageFiles.isEmpty())
        return Phase::Empty;
    if (m_view && m_view->TransitionRunning())
        return Phase::Running;
    return m_state.CurrentImage.isEmpty() ? Phase::Primed : Phase::Showing;
}
