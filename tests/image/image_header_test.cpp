#include "image/image_header.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/byte_io.h"
#include "image/image_layout.h"

namespace vq {
namespace {

TEST(ImageHeader, CarriesModelCodeLengthAndSignature) {
  struct Case {
    int32_t model;
    size_t size;
    std::vector<uint8_t> start, length;
  };
  for (const Case& c : {Case{kModelFtaCi,
                             kImageSizeModel0,
                             {1, 2, 0x7F, 0xE0, 0, 0, 0x60, 0x80},
                             {0, 0x07, 0x9F, 0x80}},
                        Case{kModelPvr,
                             kImageSizeModel1,
                             {1, 2, 0x7F, 0xC0, 0, 0, 0x60, 0x80},
                             {0, 0x0C, 0x9F, 0x80}}}) {
    std::vector<uint8_t> image(c.size, 0xFF);
    WriteImageHeader(image, c.model);
    EXPECT_EQ(std::vector<uint8_t>(image.begin(), image.begin() + 8), c.start);
    EXPECT_EQ(std::vector<uint8_t>(image.begin() + 39, image.begin() + 43), c.length);
    EXPECT_EQ(std::string(image.begin() + 16, image.begin() + 31),
              std::string("KnEtIxDnImG001\0", 15));
    EXPECT_EQ(image[33], 0);  // option flag written clear
    EXPECT_EQ(image[128], 0xFF);
  }
}

TEST(ImageHeader, ChecksumFollowsOnlyTheBytesBehindTheHeader) {
  std::vector<uint8_t> image(kImageSizeModel0, 0x10);
  WriteImageHeader(image, kModelFtaCi);
  EXPECT_EQ(ReadU32BE(&image[44]), 0x10u * (kImageSizeModel0 - 128));
  const uint32_t before = ReadU32BE(&image[44]);
  image[5] = 0x77;
  image[300000] = 0x35;
  WriteImageHeader(image, kModelFtaCi);
  EXPECT_EQ(ReadU32BE(&image[44]), before + 0x25);

  std::vector<uint8_t> tiny(127, 0xAB);
  WriteImageHeader(tiny, kModelFtaCi);
  EXPECT_EQ(tiny, std::vector<uint8_t>(127, 0xAB));
}

}  // namespace
}  // namespace vq
