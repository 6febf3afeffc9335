#include "tips/help_texts.h"

namespace vl {

const std::array<FeatureHelp, 7> kFeatureHelp{{
    {"Images",
     "This format is mainly used for quickly browsing through Bitmaps (BMP,DIB,RLE), Clip Art "
     "(Wmf,Emf),  Icon Files (Ico) and Windows95 Cursor Files (Cur).   You can also view these "
     "formats in full screen, stretch them to fit your window area and zoom in on them to get a "
     "better look at the details of a certain image.",
     "BMP , WMF , RLE , DIB , EMF , ICO , CUR"},
    {"Music",
     "This format is for playing MIDI files, which is a very common format used by many "
     "platforms.  When it comes to MIDI the better your sound card the better the result you "
     "get.  Such sound cards specifically designed to handle the playing of MIDI files have a "
     "feature called WAVE-TABLE.  If you enjoy MIDI you might want to look into this further.",
     "MID , RMI"},
    {"Sound",
     "This format is the standard Microsoft Windows sound format used by most windows "
     "applications to generate sound effects and voice.  You can easily browse through your "
     "library of sound effects using varilume's no-fuss click and play interface!  Varilume "
     "automatically uses your soundcards BEST settings to play sound the way they are supposed "
     "to be played!",
     "WAV"},
    {"MCI",
     "This format is for the playing of AVI (Video for Windows) and any other registered MCI "
     "Compatible Multimedia Device such as MPEG, Video CD and many more options. You will see "
     "every file listed in this directory.. but only try opening the ones you know are media "
     "formats supported by Windows MCI.",
     "Anything supported!"},
    {"CD Audio",
     "Quite simply, this is a format used by all audio based CDs in the music store at the "
     "mall.  You can pop in your favourite album and use the Varilume player to have quick "
     "access to all of your CD tracks!",
     "CD Audio tracks or Mixed Data CDs"},
    {"Logo Changer",
     "Access the logo changer menu through the FILE drop down menu. You can replace your "
     "Windows95 Startup, Shutdown, and Turn-Off Logo Screens with this feature.  NOTE: Files "
     "*must* be BMPs at 320x400 in 256 colors to work. You can use a shareware image editor to "
     "do this for you such as paintshop pro.  Shareware image editors and converters can be "
     "downloaded from http://www.tucows.com/.",
     "Bitmap to logo conversion"},
    {"Reminder",
     "Allows you to set a time interval to remind yourself to do something such as look away "
     "from the monitor every half hour to make sure you don't strain your eyes.  You have the "
     "option of what picture and sound or music to play during your 'break' period.",
     "Interval Based Reminding"},
}};

}  // namespace vl
