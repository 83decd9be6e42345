#!/bin/sh
# Fails when a program loads, directly or through another library, a library that only a backend
# module may bring in.
status=0
for program in "$@"; do
  found=$(ldd "$program" | grep -E 'lib(avformat|avcodec|avfilter|avdevice|avutil|swscale|swresample|dvdread|dvdnav|asound|pulse|v4l2)\.so' || true)
  if [ -n "$found" ]; then
    echo "$program loads backend libraries:"
    echo "$found"
    status=1
  fi
done
exit $status
