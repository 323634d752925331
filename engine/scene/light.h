#pragma once

// Places and colours one GL light (lightIndex 0..7, others ignored) as a point light at
// (x, y, z) in eye coordinates, whatever the modelview matrix holds; grey levels 0..1 are
// multiplied by brightness. Also sets the light-model ambient and the material specular
// colour, and enables the light.
void setupLight(int lightIndex, float x, float y, float z, float ambient, float diffuse, float specular,
                float materialSpecular, float brightness);
