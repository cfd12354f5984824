/* A player at an X display, for checking the live game in a real window
 * (under Xvfb, where no window manager draws a close button):
 *   x_player wait              waits for the game's window ("Raketa")
 *   x_player focus             gives it the keyboard
 *   x_player unfocus           takes the keyboard away from it
 *   x_player key NAME          presses and lets go a key (an X keysym name:
 *                              Escape, Return, F10, s ...)
 *   x_player type TEXT         types plain letters
 *   x_player close             what a window manager's close button does:
 *                              WM_DELETE_WINDOW sent to the window
 *   x_player shot FILE.ppm     the whole screen as a PPM picture
 * Exits 1 when the window is not there. */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

static Window Find(Display* d, Window w) {
  char* name = NULL;
  if (XFetchName(d, w, &name) && name) {
    int found = strcmp(name, "Raketa") == 0;
    XFree(name);
    if (found) return w;
  }
  Window root, parent, *children = NULL;
  unsigned int n = 0;
  Window hit = 0;
  if (XQueryTree(d, w, &root, &parent, &children, &n)) {
    for (unsigned int i = 0; i < n && !hit; ++i) hit = Find(d, children[i]);
    if (children) XFree(children);
  }
  return hit;
}

static void SendKey(Display* d, Window w, KeySym sym) {
  XKeyEvent e;
  memset(&e, 0, sizeof e);
  e.display = d;
  e.window = w;
  e.root = DefaultRootWindow(d);
  e.same_screen = True;
  e.keycode = XKeysymToKeycode(d, sym);
  e.state = 0;
  e.type = KeyPress;
  XSendEvent(d, w, True, KeyPressMask, (XEvent*)&e);
  XFlush(d);
  usleep(60000);
  e.type = KeyRelease;
  XSendEvent(d, w, True, KeyReleaseMask, (XEvent*)&e);
  XFlush(d);
  usleep(60000);
}

static int Shot(Display* d, const char* path) {
  Window root = DefaultRootWindow(d);
  XWindowAttributes a;
  XGetWindowAttributes(d, root, &a);
  XImage* img = XGetImage(d, root, 0, 0, a.width, a.height, AllPlanes, ZPixmap);
  if (!img) return 1;
  FILE* f = fopen(path, "wb");
  if (!f) return 1;
  fprintf(f, "P6\n%d %d\n255\n", a.width, a.height);
  for (int y = 0; y < a.height; ++y) {
    for (int x = 0; x < a.width; ++x) {
      unsigned long p = XGetPixel(img, x, y);
      unsigned char rgb[3] = {(unsigned char)((p >> 16) & 255), (unsigned char)((p >> 8) & 255), (unsigned char)(p & 255)};
      fwrite(rgb, 1, 3, f);
    }
  }
  fclose(f);
  XDestroyImage(img);
  return 0;
}

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  Display* d = XOpenDisplay(NULL);
  if (!d) {
    fprintf(stderr, "x_player: no display\n");
    return 1;
  }
  if (strcmp(argv[1], "shot") == 0) return argc > 2 ? Shot(d, argv[2]) : 2;
  Window w = 0;
  for (int i = 0; i < 200 && !w; ++i) {
    w = Find(d, DefaultRootWindow(d));
    if (!w) usleep(100000);
  }
  if (!w) {
    fprintf(stderr, "x_player: the game's window is not there\n");
    return 1;
  }
  if (strcmp(argv[1], "wait") == 0) return 0;
  if (strcmp(argv[1], "focus") == 0) {
    XSetInputFocus(d, w, RevertToParent, CurrentTime);
  } else if (strcmp(argv[1], "unfocus") == 0) {
    XSetInputFocus(d, DefaultRootWindow(d), RevertToParent, CurrentTime);
  } else if (strcmp(argv[1], "key") == 0 && argc > 2) {
    SendKey(d, w, XStringToKeysym(argv[2]));
  } else if (strcmp(argv[1], "type") == 0 && argc > 2) {
    for (const char* c = argv[2]; *c; ++c) {
      char one[2] = {*c, 0};
      SendKey(d, w, XStringToKeysym(one));
    }
  } else if (strcmp(argv[1], "close") == 0) {
    XEvent e;
    memset(&e, 0, sizeof e);
    e.xclient.type = ClientMessage;
    e.xclient.window = w;
    e.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = (long)XInternAtom(d, "WM_DELETE_WINDOW", False);
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(d, w, False, NoEventMask, &e);
  } else {
    return 2;
  }
  XFlush(d);
  XCloseDisplay(d);
  return 0;
}
