#include "model/MediaProperties.h"

const char *const kDefaultWebAddress = "https://www.bing.com";
const char *const kDefaultStreamAddress = "rtmp://ns8.indexforce.com/home/mystream";
