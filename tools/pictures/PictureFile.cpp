#include "PictureFile.h"

bool writePicture (const juce::File& dir, const juce::String& name, int w, int h,
                   const std::function<void (juce::Graphics&)>& draw, int scale)
{
    juce::Image image (juce::Image::ARGB, w * scale, h * scale, true);
    {
        juce::Graphics g (image);
        if (scale != 1)
            g.addTransform (juce::AffineTransform::scale ((float) scale));
        draw (g);
    }
    const auto file = dir.getChildFile (name + ".png");
    file.deleteFile();
    juce::FileOutputStream out (file);
    if (! out.openedOk())
        return false;
    juce::PNGImageFormat png;
    return png.writeImageToStream (image, out);
}
