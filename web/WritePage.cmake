# SPDX-License-Identifier: MIT
# cmake -DSKELETON=file -DMEDIA=file -DTEMPLATE=index.html.in -DSTYLE=sumdrop.css -DSITE=dir -P WritePage.cmake:
# puts the page's skeleton, which Skeleton.cpp prints from the layout table, into the page, and
# the media queries it prints from the same table into the stylesheet.
file(READ "${SKELETON}" SKELETON)
configure_file("${TEMPLATE}" "${SITE}/index.html" @ONLY)
include("${MEDIA}")
configure_file("${STYLE}" "${SITE}/sumdrop.css" @ONLY)
