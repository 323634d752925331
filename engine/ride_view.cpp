#include "engine/ride_view.h"

#include "engine/engine_state.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <algorithm>
#include <cstdint>

ViewportRows letterboxRows(int height, int letterbox)
{
    const auto bottom = static_cast<std::int16_t>(static_cast<int>(height * letterbox * 0.05));
    const auto top = static_cast<std::int16_t>(static_cast<int>((1 - 0.05 * letterbox) * height));
    return {bottom, top - bottom};
}

void setupProjection()
{
    switch (rideParams.polygonMode) {
    case 0:
        glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
        break;
    case 1:
        glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
        break;
    case 2:
        glPolygonMode(GL_FRONT_AND_BACK, GL_POINT);
        break;
    default:
        break;
    }

    const ViewportRows rows = letterboxRows(windowHeight, rideParams.letterbox);
    glViewport(0, rows.bottom, windowWidth, rows.height);

    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    // Before the first reshape the height is 0; an aspect of 1 keeps the matrix finite.
    const double aspect = rows.height > 0 ? static_cast<double>(windowWidth) / rows.height : 1.0;
    gluPerspective(camera.fieldOfView - rideParams.letterbox * (1.0 / 6.0) * 29.0, aspect, 0.0001,
                   rideParams.eyeDistance + 14.0);

    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const double eye = rideParams.eyeDistance;
    gluLookAt(0, 0, eye, 0, 0, eye - 1, 0, 1, 0);

    if (rideParams.fogOn) {
        glFogf(GL_FOG_START, rideParams.eyeDistance);
        glFogf(GL_FOG_END, std::max(rideParams.eyeDistance + rideParams.fogRange, rideParams.eyeDistance));
    }
}

void updateRideAndView()
{
    if (!paused)
        track.advance(frameDelta, rideParams);
    if (!rideParams.freeCamera)
        track.placeCamera(camera);
    glRotatef(camera.pitch, 1, 0, 0);
    glRotatef(camera.yaw, 0, 1, 0);
    glTranslatef(-camera.position[0], -camera.position[1], -camera.position[2]);
}
